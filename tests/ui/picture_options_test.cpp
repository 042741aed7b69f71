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
#include <string>
#include <vector>

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
  EXPECT_EQ(window->SnapshotControls().x_tick_spacing, "PI/4");
  const QImage picture = window->DrawingArea()->Screen().copy().convertToFormat(QImage::Format_RGB32);

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

TEST(ViewChoice, ReadsBoundsSpacingsAndEqualScales) {
  struct Case {
    std::vector<std::string> texts;  // x from, x to, y from, y to, x tick, y tick
    bool equal;
    bool ok;
    plot::PlotView view;
  };
  const Case cases[] = {
      {{"-2", "2*PI", "-1,5", "1.5", "", "PI/4"}, false, true, {-2, 2 * 3.14159265358979323846, -1.5, 1.5}},
      // 400 x 200 pixels: y gets half the x span around the middle of the typed range.
      {{"0", "8", "1", "3", "", ""}, true, true, {0, 8, 0, 4}},
      {{"2", "1", "0", "1", "", ""}, false, false, {}},
      {{"0", "1", "0", "1", "-1", ""}, false, false, {}},
      {{"0", "X+", "0", "1", "", ""}, false, false, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.texts[0] + " " + k.texts[1]);
    std::string error;
    const auto choice = ReadViewChoice(k.texts[0], k.texts[1], k.texts[2], k.texts[3], k.texts[4], k.texts[5],
                                       k.equal, 400, 200, plot::Parameters{}, &error);
    ASSERT_EQ(choice.has_value(), k.ok) << error;
    if (!k.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_DOUBLE_EQ(choice->view.x_min, k.view.x_min);
    EXPECT_DOUBLE_EQ(choice->view.x_max, k.view.x_max);
    EXPECT_DOUBLE_EQ(choice->view.y_min, k.view.y_min);
    EXPECT_DOUBLE_EQ(choice->view.y_max, k.view.y_max);
    EXPECT_EQ(choice->y_tick, k.texts[5]);
  }
}

TEST_F(PictureOptionsTest, ChoiceLabelsAndPageAreInTheWindow) {
  auto* choice = window->findChild<QComboBox*>("analysed_term");
  ASSERT_NE(choice, nullptr);
  EXPECT_EQ(choice->count(), plot::kAnalyseChoices);
  choice->setCurrentIndex(2);
  EXPECT_EQ(window->SnapshotControls().analysed_term, 2);
  auto* labels = window->findChild<QAction*>("point_labels");
  ASSERT_NE(labels, nullptr);
  EXPECT_TRUE(window->Menu().coordinate_menu->actions().contains(labels));
  EXPECT_FALSE(labels->isChecked());
  labels->trigger();
  EXPECT_TRUE(window->SnapshotControls().point_labels);
  ASSERT_NE(window->findChild<QAction*>("window_item"), nullptr);
  QCoreApplication::processEvents();
  auto* page = window->findChild<QAction*>("PrintPage");
  ASSERT_NE(page, nullptr);
  EXPECT_TRUE(window->findChild<QMenu*>("WorksheetMenu")->actions().contains(page));
}

}  // namespace
}  // namespace plotwerk::ui
