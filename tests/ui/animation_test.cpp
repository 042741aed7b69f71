// The animation in the main window (ticks driven directly, no waiting) and the steppers.
#include <QAction>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

#include "fktint/fktint.h"
#include "plot/animation.h"
#include "tests/ui/window_fixture.h"
#include "ui/animation.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

// Counts the paint events the drawing area receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class AnimationTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    anim = window->findChild<AnimationControl*>("AnimationControl");
    ASSERT_NE(anim, nullptr);
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) anim->OnAnimationTick();
  }
  double Field(TermEdit* e) const { return fktint::ReadNumberField(e->Latin1(), 0, 0); }

  AnimationControl* anim = nullptr;
};

TEST_F(AnimationTest, ButtonAndMenuItemStartAndStopTheTimer) {
  QSignalSpy repaints(window.get(), &MainWindow::Repainted);
  EXPECT_FALSE(window->AnimationTimer()->isActive());
  EXPECT_EQ(window->AnimationTimer()->interval(), 25);
  window->Options().animation_button->click();
  EXPECT_TRUE(window->AnimationTimer()->isActive());
  EXPECT_EQ(window->Options().animation_button->text(), "Stop");
  EXPECT_EQ(repaints.count(), 0) << "the first tick repaints";
  window->Menu().animation_item->trigger();
  EXPECT_FALSE(window->AnimationTimer()->isActive());
  EXPECT_EQ(window->Options().animation_button->text(), "Animation");
  EXPECT_EQ(repaints.count(), 1);
}

TEST_F(AnimationTest, ParameterRunsUpToTheBoundAndTurns) {
  ASSERT_DOUBLE_EQ(window->Plotter().Params().p, 1);
  const QImage before = Picture();
  Ticks(1);
  EXPECT_NEAR(window->Plotter().Params().p, 1.08, 1e-12);
  EXPECT_EQ(window->Options().parameter_p->text(), "1,08");
  EXPECT_NE(Picture(), before) << "the tick repainted with the new P";
  Ticks(62);
  EXPECT_NEAR(window->Plotter().Params().p, 6.04, 1e-9);
  EXPECT_FALSE(anim->Upward());
  Ticks(1);
  EXPECT_EQ(window->Options().parameter_p->text(), "5,96");
}

TEST_F(AnimationTest, PointBouncesBetweenBothBounds) {
  window->Options().animate_point_a->setChecked(true);
  window->Options().point_a->setChecked(true);
  Ticks(1);
  EXPECT_EQ(window->Options().point_a_x->text(), "1,08");
  double lowest = 1, highest = 1;
  for (int i = 0; i < 400; ++i) {
    Ticks(1);
    lowest = std::min(lowest, Field(window->Options().point_a_x));
    highest = std::max(highest, Field(window->Options().point_a_x));
  }
  EXPECT_NEAR(highest, 6.04, 1e-9);
  EXPECT_NEAR(lowest, -6.04, 1e-9);
  EXPECT_EQ(window->Options().point_b_x->text(), "0");
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 1) << "P stays while A moves";
}

TEST_F(AnimationTest, RestartWithAnotherValueKeepsTheDirection) {
  window->Options().interval_to->setText("1,1");
  Ticks(2);  // P: 1.08, 1.16 turns downward
  ASSERT_FALSE(anim->Upward());
  window->Options().animation_button->click();
  window->Options().animation_button->click();
  window->Options().animate_point_b->setChecked(true);
  Ticks(1);
  EXPECT_EQ(window->Options().point_b_x->text(), "-0,08");
}

TEST_F(AnimationTest, TicksNeverQueueMoreThanOneRepaint) {
  PaintCounter counter;
  window->DrawingArea()->installEventFilter(&counter);
  QCoreApplication::processEvents();
  counter.paints = 0;
  Ticks(5);  // five ticks while the event loop is busy
  QCoreApplication::processEvents();
  EXPECT_EQ(counter.paints, 1);
  EXPECT_EQ(window->Options().parameter_p->text(), "1,4");
  window->DrawingArea()->removeEventFilter(&counter);
}

TEST_F(AnimationTest, UnreadableOrNaNBoundsDoNotRunAway) {
  window->Options().animate_point_a->setChecked(true);
  for (const char* bound : {"(", "0/0", "LN(0)"}) {
    SCOPED_TRACE(bound);
    window->Options().interval_to->setText(bound);
    window->Options().point_a_x->setText("1");
    for (int i = 0; i < 300; ++i) {
      Ticks(1);
      ASSERT_LE(std::fabs(Field(window->Options().point_a_x)), 6.2);
    }
  }
  window->Options().animation_step->setText("-0,5");  // a negative step still turns at the bounds
  window->Options().interval_to->setText("6");
  for (int i = 0; i < 300; ++i) {
    Ticks(1);
    ASSERT_LE(std::fabs(Field(window->Options().point_a_x)), 6.5);
  }
}

TEST_F(AnimationTest, SteppersMoveTheirFieldByOneHundredth) {
  QSignalSpy repaints(window.get(), &MainWindow::Repainted);
  window->Options().parameter_p_stepper->Click(UpDown::Direction::Up);
  EXPECT_EQ(window->Options().parameter_p->text(), "1,01");
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 1.01);
  window->Options().parameter_q_stepper->Click(UpDown::Direction::Up);
  EXPECT_EQ(window->Options().parameter_q->text(), "2,01");
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 2.01);
  window->Options().point_a_stepper->Click(UpDown::Direction::Down);
  EXPECT_EQ(window->Options().point_a_x->text(), "0,99");
  window->Options().point_b_stepper->Click(UpDown::Direction::Down);
  EXPECT_EQ(window->Options().point_b_x->text(), "-0,01");
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 1.01) << "A and B do not touch the parameters";
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 2.01);
  EXPECT_EQ(repaints.count(), 4);
}

}  // namespace
}  // namespace plotwerk::ui
