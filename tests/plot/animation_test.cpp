// The animation's step rule over many ticks, its guards, and the parameter steppers.
#include "plot/animation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fktint/fktint.h"

namespace plotwerk::plot {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

enum class AnimatedValue { kParameter, kPointA, kPointB };

class AnimationTicks : public ::testing::Test {
 protected:
  void Ticks(AnimatedValue which, int n) {
    fields_.animate_parameter = which == AnimatedValue::kParameter;
    fields_.animate_point_a = which == AnimatedValue::kPointA;
    fields_.animate_point_b = which == AnimatedValue::kPointB;
    for (int i = 0; i < n; ++i) AnimationTick(fields_, parameters_, animation_);
  }
  Controls fields_;
  Parameters parameters_{.p = 1, .q = 2};
  Animation animation_;
};

TEST_F(AnimationTicks, ParameterBouncesAtTheUpperBound) {
  Ticks(AnimatedValue::kParameter, 1);
  EXPECT_NEAR(parameters_.p, 1.08, 1e-12);
  EXPECT_EQ(fields_.parameter_p, "1,08");
  Ticks(AnimatedValue::kParameter, 62);
  EXPECT_NEAR(parameters_.p, 6.04, 1e-9);
  EXPECT_EQ(fields_.parameter_p, "6,04");
  EXPECT_FALSE(animation_.upward);
  Ticks(AnimatedValue::kParameter, 1);
  EXPECT_NEAR(parameters_.p, 5.96, 1e-9);
}

TEST_F(AnimationTicks, PointBouncesAtBothBoundsOnTwoDecimalValues) {
  Ticks(AnimatedValue::kPointA, 1);
  EXPECT_EQ(fields_.point_a_x, "1,08");
  double lowest = 1, highest = 1;
  for (int i = 0; i < 1000; ++i) {
    Ticks(AnimatedValue::kPointA, 1);
    const double a = fktint::ReadNumberField(fields_.point_a_x, 0, 0);
    lowest = std::min(lowest, a);
    highest = std::max(highest, a);
  }
  EXPECT_NEAR(highest, 6.04, 1e-9);
  EXPECT_NEAR(lowest, -6.04, 1e-9);
  EXPECT_EQ(fields_.point_b_x, "0");  // only the chosen value moves
}

TEST_F(AnimationTicks, DirectionIsSharedAcrossTheAnimatedValues) {
  animation_.upward = false;
  Ticks(AnimatedValue::kPointB, 1);
  EXPECT_EQ(fields_.point_b_x, "-0,08");
  Ticks(AnimatedValue::kPointA, 1);
  EXPECT_EQ(fields_.point_a_x, "0,92");
}

TEST_F(AnimationTicks, ReversedIntervalSwingsAroundTheLowerBound) {
  fields_.interval_from = "5";
  fields_.interval_to = "3";
  fields_.point_a_x = "1";
  Ticks(AnimatedValue::kPointA, 100);  // climbs from 1 to 5
  for (int i = 0; i < 500; ++i) {
    Ticks(AnimatedValue::kPointA, 1);
    const double a = fktint::ReadNumberField(fields_.point_a_x, 0, 0);
    ASSERT_GE(a, 5 - 0.08 - 1e-9);
    ASSERT_LE(a, 5 + 0.08 + 1e-9);
    if (std::fabs(a - 5) > 1e-9) {
      EXPECT_EQ(animation_.upward, a < 5);
    }
  }
}

TEST(AnimationStep, UnsoundInputsDoNotRunAway) {
  struct Case {
    const char* what;
    double step, lower, upper;
  };
  const Case cases[] = {
      {"NaN lower bound", 0.5, kNaN, 6},   {"NaN upper bound", 0.5, -6, kNaN},
      {"infinite bound", 0.5, -kInf, kInf}, {"negative step", -0.5, -6, 6},
      {"NaN step", kNaN, -6, 6},            {"reversed interval", 0.5, 6, -6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool upward = true;
    double v = 1;
    for (int i = 0; i < 10000; ++i) {
      v = AnimationStep(v, c.step, c.lower, c.upper, upward);
      ASSERT_TRUE(std::isfinite(v));
      ASSERT_LE(std::fabs(v), 7);
    }
  }
  // A non-finite bound acts as 0, like a field that cannot be read.
  bool upward = true;
  double v = 0;
  for (int i = 0; i < 100; ++i) v = AnimationStep(v, 0.5, -6, kNaN, upward);
  EXPECT_LE(v, 0.5);
}

TEST(AnimationStep, AStepThatWouldOverflowLeavesTheValueFinite) {
  bool upward = true;
  const double big = std::numeric_limits<double>::max();
  double v = AnimationStep(big, big, -big, big, upward);
  EXPECT_EQ(v, big);
  EXPECT_TRUE(upward);
  v = AnimationStep(kNaN, 0.5, -6, 6, upward);  // a lost value restarts at 0 + step
  EXPECT_DOUBLE_EQ(v, 0.5);
}

TEST_F(AnimationTicks, UnreadableFieldsReadAsZero) {
  fields_.animation_step = "";
  Ticks(AnimatedValue::kPointA, 3);  // step 0: the value stays
  EXPECT_EQ(fields_.point_a_x, "1");
  fields_.animation_step = "0,5";
  fields_.interval_to = "(";
  fields_.point_a_x = "1";
  Ticks(AnimatedValue::kPointA, 1);  // above the bound 0: the direction turns
  EXPECT_EQ(fields_.point_a_x, "1,5");
  EXPECT_FALSE(animation_.upward);
}

TEST_F(AnimationTicks, BoundsThatNameTheParametersAreReadWithTheCurrentOnes) {
  fields_.interval_to = "Q";  // 2: P turns on its way up from 2.04
  parameters_.p = 1.96;
  Ticks(AnimatedValue::kParameter, 1);
  EXPECT_NEAR(parameters_.p, 2.04, 1e-12);
  EXPECT_FALSE(animation_.upward);
  EXPECT_DOUBLE_EQ(parameters_.q, 2) << "the animation moves P only";
}

TEST(Steppers, StepTheFieldByOneHundredth) {
  const Parameters none;
  double value = 0;
  EXPECT_EQ(StepFieldText("1", StepDirection::kUp, none, value), "1,01");
  EXPECT_DOUBLE_EQ(value, 1.01);
  EXPECT_EQ(StepFieldText("0", StepDirection::kDown, none, value), "-0,01");
  EXPECT_DOUBLE_EQ(value, -0.01);
  EXPECT_EQ(StepFieldText("2*PI", StepDirection::kUp, none, value), "6,29");
  EXPECT_EQ(StepFieldText("junk(", StepDirection::kUp, none, value), "0,01");
  EXPECT_EQ(StepFieldText("1,5", StepDirection::kNone, none, value), "1,49");
  // A field that names P or Q is read with the values passed, not with any others.
  EXPECT_EQ(StepFieldText("P+Q", StepDirection::kUp, {.p = 2.5, .q = -1}, value), "1,51");
}

}  // namespace
}  // namespace plotwerk::plot
