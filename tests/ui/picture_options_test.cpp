// The picture options of the window: the "Window..." dialog applied as one undo step and kept
// by the worksheet so that plotwerk-cli draws the same pixels; the analysis choice and the
// point labels as controls of the list; "Print page..." in the File menu.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

#include <cstdlib>

#include "ui/undo.h"
#include "ui/view_dialog.h"
#include "ui/worksheet_actions.h"
#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

using PictureOptionsTest = testing::WindowTest;

TEST_F(PictureOptionsTest, WindowDialogRoundTripGivesTheSamePixelsEverywhere) {
  auto* history = window->findChild<UndoHistory*>("UndoHistory");
  ASSERT_NE(history, nullptr);
  QCoreApplication::processEvents();
  const int steps = history->Stack().count();

  ViewDialog dialog(*window);
  dialog.XFrom->setText("1");
  dialog.XTo->setText("2*PI");
  dialog.YFrom->setText("-1,5");
  dialog.YTo->setText("1.5");
  dialog.XTickAuto->setChecked(false);
  dialog.XTick->setText("PI/4");
  dialog.accept();
  ASSERT_EQ(dialog.result(), QDialog::Accepted) << dialog.Problem->text().toStdString();
  ApplyViewChoice(*window, dialog.Choice());
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_EQ(history->Stack().count(), steps + 1);
  const plot::PlotView view = window->Plotter().View();
  EXPECT_DOUBLE_EQ(view.x_max, 2 * 3.14159265358979323846);
  EXPECT_DOUBLE_EQ(view.y_min, -1.5);
  EXPECT_EQ(window->SnapshotControls().ed_xabstand, "PI/4");
  const QImage picture = window->PaintBox1->Screen().copy().convertToFormat(QImage::Format_RGB32);

  QTemporaryDir dir;
  const QString sheet = dir.filePath("window.plotwerk");
  auto* actions = window->findChild<WorksheetActions*>("WorksheetActions");
  ASSERT_TRUE(actions->Save(sheet));
  const std::string size = " --width " + std::to_string(window->PaintWidth()) + " --height " +
                           std::to_string(window->PaintHeight());
  const std::string from_sheet = dir.filePath("sheet.png").toStdString();
  const std::string from_view = dir.filePath("view.png").toStdString();
  const std::string cli = std::string(PLOTWERK_CLI_PATH) + " render" + size;
  ASSERT_EQ(std::system((cli + " --worksheet '" + sheet.toStdString() + "' --out '" + from_sheet + "' >/dev/null").c_str()), 0);
  ASSERT_EQ(std::system((cli + " --view 1,6.283185307179586,-1.5,1.5 --set ed_xabstand=PI/4 --out '" + from_view +
                         "' >/dev/null")
                            .c_str()),
            0);
  EXPECT_EQ(QImage(QString::fromStdString(from_sheet)).convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_EQ(QImage(QString::fromStdString(from_view)).convertToFormat(QImage::Format_RGB32), picture);

  // A wrong number keeps the dialog open and says which.
  ViewDialog wrong(*window);
  wrong.XTo->setText("1/0");
  wrong.accept();
  EXPECT_NE(wrong.result(), QDialog::Accepted);
  EXPECT_TRUE(wrong.Problem->text().contains("x to"));
}

TEST_F(PictureOptionsTest, ChoiceLabelsAndPageAreInTheWindow) {
  auto* choice = window->findChild<QComboBox*>("cb_analyse");
  ASSERT_NE(choice, nullptr);
  EXPECT_EQ(choice->count(), plot::kAnalyseChoices);
  choice->setCurrentIndex(2);
  EXPECT_EQ(window->SnapshotControls().cb_analyse, 2);
  auto* labels = window->findChild<QAction*>("m_punktnamen");
  ASSERT_NE(labels, nullptr);
  EXPECT_TRUE(window->M_ksystem->actions().contains(labels));
  EXPECT_FALSE(labels->isChecked());
  labels->trigger();
  EXPECT_TRUE(window->SnapshotControls().m_punktnamen);
  ASSERT_NE(window->findChild<QAction*>("m_fenster"), nullptr);
  QCoreApplication::processEvents();
  auto* page = window->findChild<QAction*>("PrintPage");
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(window->findChild<QMenu*>("WorksheetMenu")->actions().contains(page));
}

}  // namespace
}  // namespace plotwerk::ui
