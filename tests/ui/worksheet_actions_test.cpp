// Worksheets in the window: the snapshot and its inverse cover every control, a saved worksheet
// opens to the same picture (also in plotwerk-cli), a damaged one changes nothing, and closing
// asks only about a changed worksheet.
#include "ui/worksheet_actions.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdlib>
#include <variant>

#include "plot/controls_names.h"
#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

class WorksheetTest : public testing::WorksheetWindowTest {
 protected:
  void SetUp() override {
    WorksheetWindowTest::SetUp();
    if (HasFatalFailure()) return;
    actions->ask_save_changes = [this] {
      ++questions;
      return answer;
    };
  }

  // A lesson: two terms, the analyses, A and B, the memo, a zoomed view.
  void PrepareLesson() {
    window->Terms().f1_term->setText("X^3/4-X");
    window->Terms().f2_plotted->setChecked(true);
    window->Options().zeros->setChecked(true);
    window->Options().point_a->setChecked(true);
    window->Options().integral->setChecked(true);
    window->Menu().frame->trigger();
    window->Options().result_list->setChecked(true);
    window->Plotter().SetView({-2.5, 3.75, -2.125, 2.5});
    window->OnDrawClicked();
  }

  QString Path(const char* name) const { return dir.filePath(name); }

  QTemporaryDir dir;
  int questions = 0;
  QMessageBox::StandardButton answer = QMessageBox::Cancel;
};

TEST_F(WorksheetTest, SnapshotAndApplyCoverEveryControl) {
  EXPECT_TRUE(plot::SameSettings(window->SnapshotControls(), plot::Controls{}));
  plot::Controls changed;
  int n = 0;
  for (const plot::ControlInfo& info : plot::ControlTable()) {
    if (auto* text = std::get_if<std::string plot::Controls::*>(&info.member)) changed.*(*text) = std::to_string(++n);
    if (auto* check = std::get_if<bool plot::Controls::*>(&info.member)) changed.*(*check) = !(changed.*(*check));
  }
  changed.graph_width_text = "WIDE";  // no number: the stepper keeps its own position
  changed.graph_width = 5;
  changed.animate_parameter = changed.animate_point_a = false;
  window->ApplyControls(changed);
  const plot::Controls back = window->SnapshotControls();
  EXPECT_TRUE(plot::SameSettings(back, changed));
  EXPECT_EQ(back.graph_width, 5);
  EXPECT_TRUE(window->Options().animate_point_b->isChecked());
  EXPECT_FALSE(window->ResultMemo()->isHidden());
  EXPECT_TRUE(window->Menu().copy_results_item->isEnabled());
}

TEST_F(WorksheetTest, SavedWorksheetOpensToTheSamePictureInTheWindowAndTheCommandLine) {
  PrepareLesson();
  const QString path = Path("lesson.plotwerk");
  ASSERT_TRUE(actions->Save(path));
  EXPECT_TRUE(window->windowTitle().startsWith("lesson.plotwerk"));
  const QImage saved = Picture();
  const QString memo = window->ResultMemo()->toPlainText();
  const plot::PlotView view = window->Plotter().View();

  // Another window, back at the start state with its own P and Q, opens the lesson.
  MainWindow other;
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  other.Plotter().SetParameters({.p = other.Plotter().Params().p, .q = 7});
  auto* other_actions = other.findChild<WorksheetActions*>("WorksheetActions");
  ASSERT_TRUE(other_actions->Open(path));
  // The activation that follows the dialog keeps the view.
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(other.Plotter().View(), view);
  EXPECT_EQ(other.DrawingArea()->Screen(), saved);
  EXPECT_EQ(other.ResultMemo()->toPlainText(), memo);
  EXPECT_FALSE(other_actions->Changed());

  // plotwerk-cli draws the same picture and list at the same size.
  const QString png = Path("cli.png");
  const std::string command = std::string(PLOTWERK_CLI_PATH) + " render --width " +
                              std::to_string(window->PaintWidth()) + " --height " +
                              std::to_string(window->PaintHeight()) + " --worksheet '" + path.toStdString() +
                              "' --out '" + png.toStdString() + "' > '" + Path("cli.txt").toStdString() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(QImage(png).convertToFormat(QImage::Format_RGB32), saved.convertToFormat(QImage::Format_RGB32));
  QFile list(Path("cli.txt"));
  ASSERT_TRUE(list.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromUtf8(list.readAll()).trimmed(), memo.trimmed());
}

TEST_F(WorksheetTest, DamagedWorksheetLeavesTheWindowAsItWas) {
  PrepareLesson();
  const QString path = Path("damaged.plotwerk");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"format": "plotwerk-worksheet", "version": 1, "controls": {"ed_f1": 3}})");
  file.close();
  const QImage before = Picture();
  const plot::Controls controls = window->SnapshotControls();
  const QString title = window->windowTitle();

  EXPECT_FALSE(actions->Open(path));
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains("controls.ed_f1")) << errors[0].toStdString();
  EXPECT_TRUE(plot::SameSettings(window->SnapshotControls(), controls));
  EXPECT_EQ(Picture(), before);
  EXPECT_EQ(window->windowTitle(), title);
}

TEST_F(WorksheetTest, ClosingAsksOnlyAboutAChangedWorksheet) {
  const QString path = Path("close.plotwerk");
  ASSERT_TRUE(actions->Save(path));
  window->close();  // unchanged: closes at once
  EXPECT_EQ(questions, 0);
  EXPECT_FALSE(window->isVisible());

  window->show();
  window->Options().extrema->setChecked(true);
  EXPECT_TRUE(window->isWindowModified());
  answer = QMessageBox::Cancel;
  window->close();
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(window->isVisible());

  answer = QMessageBox::Save;
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(platform::ReadWorksheet(QFile::encodeName(path).toStdString(), nullptr).controls.extrema);
}

TEST_F(WorksheetTest, DroppedWorksheetOpens) {
  window->Terms().f2_plotted->setChecked(true);
  const QString path = Path("dropped.plotwerk");
  ASSERT_TRUE(actions->Save(path));
  window->Terms().f2_plotted->setChecked(false);

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->Terms().f1_term, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->Terms().f1_term, &drop);
  QTRY_VERIFY(window->Terms().f2_plotted->isChecked());
  EXPECT_EQ(window->Terms().f1_term->text(), "X*SIN(X+P)") << "the file's path is not typed into the field";
}

}  // namespace
}  // namespace plotwerk::ui
