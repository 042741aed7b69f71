// Undo and redo in the main window: every kind of change is one step and comes back exactly
// (compared through the picture); typing keeps the field's own undo; an animation run and a
// held stepper are one step each.
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>
#include <utility>
#include <vector>

#include "tests/ui/window_fixture.h"
#include "ui/animation.h"
#include "ui/undo.h"
#include "ui/worksheet_actions.h"

namespace plotwerk::ui {
namespace {

class UndoTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    history = window->findChild<UndoHistory*>("UndoHistory");
    ASSERT_NE(history, nullptr);
    Settle();
    ASSERT_EQ(history->Stack().count(), 0) << "opening the window is no step";
  }

  // Lets the window finish handling the change, as the event loop does between two inputs.
  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  void TypeAndEnter(TermEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }

  void Wheel(int notches) {
    const QPointF at(100, 100);
    QWheelEvent e(at, window->DrawingArea()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->DrawingArea(), &e);
  }

  void Undo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
  void Redo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }

  UndoHistory* history = nullptr;
};

TEST_F(UndoTest, MixedChangesComeBackExactlyStepByStep) {
  QAction* smooth = window->findChild<QAction*>("smooth_lines_item");
  ASSERT_NE(smooth, nullptr);
  auto* worksheets = window->findChild<WorksheetActions*>("WorksheetActions");
  ASSERT_NE(worksheets, nullptr);
  QTemporaryDir dir;
  const QString start_sheet = dir.filePath("start.plotwerk");
  ASSERT_TRUE(worksheets->Save(start_sheet));
  Settle();
  ASSERT_EQ(history->Stack().count(), 0) << "saving changes nothing";
  const std::vector<std::pair<const char*, std::function<void()>>> changes = {
      {"term entered", [&] { TypeAndEnter(window->Terms().f1_term, "X^3/4-X"); }},
      {"check box", [&] { window->Options().extrema->click(); }},
      {"menu option", [&] { window->Menu().grid->trigger(); }},
      {"term box", [&] { window->Terms().f2_plotted->click(); }},
      {"point A", [&] { window->Options().point_a->click(); }},
      {"field entered", [&] { TypeAndEnter(window->Options().point_a_x, "2"); }},
      {"zoom button", [&] { window->Navigation().zoom_in_button->click(); }},
      {"shift button", [&] { window->Navigation().move_left_button->click(); }},
      {"wheel", [&] { Wheel(-1); }},
      {"smooth lines", [&] { smooth->trigger(); }},
      {"special function", [&] { window->Menu().mirror_in_x_axis->trigger(); }},
      {"result list", [&] { window->Options().result_list->click(); }},
      {"A stepper", [&] { window->Options().point_a_stepper->UpButton()->click(); }},
      {"worksheet opened", [&] { ASSERT_TRUE(worksheets->Open(start_sheet)); }},
  };
  std::vector<QImage> pictures{Picture()};
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    change();
    Settle();
    pictures.push_back(Picture());
    EXPECT_NE(pictures.back(), pictures[pictures.size() - 2]) << "the change shows";
    EXPECT_EQ(history->Stack().count(), static_cast<int>(pictures.size()) - 1) << "one step";
  }
  for (std::size_t i = changes.size(); i > 0; --i) {
    SCOPED_TRACE(changes[i - 1].first);
    Undo();
    Settle();
    EXPECT_EQ(Picture(), pictures[i - 1]) << "undone";
  }
  EXPECT_FALSE(history->Stack().canUndo());
  EXPECT_EQ(window->Terms().f1_term->text(), "X*SIN(X+P)");
  EXPECT_EQ(window->Options().point_a_y_caption->text(), ";       )") << "the caption of A as it stood";
  for (std::size_t i = 1; i <= changes.size(); ++i) {
    SCOPED_TRACE(changes[i - 1].first);
    Redo();
    Settle();
    EXPECT_EQ(Picture(), pictures[i]) << "redone";
  }
  EXPECT_EQ(history->Stack().count(), static_cast<int>(changes.size())) << "nothing recorded on the way";
}

TEST_F(UndoTest, TypingInAFieldKeepsTheFieldsOwnUndo) {
  const QImage start = Picture();
  window->Terms().f1_term->setFocus();
  window->Terms().f1_term->end(false);
  QTest::keyClicks(window->Terms().f1_term, "+1");
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Z, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(window->Terms().f1_term->text(), "X*SIN(X+P)") << "the field undid the typing";
  EXPECT_EQ(history->Stack().count(), 0);

  QTest::keyClicks(window->Terms().f1_term, "+1");
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Return);
  Settle();
  ASSERT_EQ(history->Stack().count(), 1);
  EXPECT_NE(Picture(), start);
  // The field holds what was drawn: Ctrl+Z in it now undoes the drawn step.
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Z, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(window->Terms().f1_term->text(), "X*SIN(X+P)");
  EXPECT_EQ(Picture(), start);
}

TEST_F(UndoTest, AnAnimationRunAndAHeldStepperAreOneStepEach) {
  const QImage start = Picture();
  const QString p = window->Options().parameter_p->text();
  // Held: the button stays down while it repeats; the release makes the last click.
  QToolButton* up = window->Options().parameter_p_stepper->UpButton();
  up->setDown(true);
  for (int i = 0; i < 5; ++i) {
    emit up->clicked();
    Settle();
  }
  up->setDown(false);
  emit up->clicked();
  Settle();
  EXPECT_EQ(history->Stack().count(), 1);
  EXPECT_EQ(window->Options().parameter_p->text(), "1,06");

  auto* animation = window->findChild<AnimationControl*>("AnimationControl");
  ASSERT_NE(animation, nullptr);
  window->Options().animation_button->click();
  for (int i = 0; i < 5; ++i) {
    animation->OnAnimationTick();
    Settle();
  }
  EXPECT_EQ(history->Stack().count(), 1) << "no step per tick";
  EXPECT_NE(window->Options().parameter_p->text(), "1,06");

  // Undo while it runs: the animation stops, and its run is undone as a whole.
  Undo();
  Settle();
  EXPECT_FALSE(window->AnimationTimer()->isActive());
  EXPECT_EQ(history->Stack().count(), 2);
  EXPECT_EQ(window->Options().parameter_p->text(), "1,06");
  Undo();
  Settle();
  EXPECT_EQ(window->Options().parameter_p->text(), p);
  EXPECT_EQ(Picture(), start);
}

}  // namespace
}  // namespace plotwerk::ui
