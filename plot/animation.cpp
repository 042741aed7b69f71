// The animation step rule and the parameter steppers.
#include "plot/animation.h"

#include <cmath>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

// Field width and decimals of every value the animation and the steppers write back; two
// decimals, so A and B move on the values the drawing reads back from their fields.
constexpr unsigned kFieldWidth = 1;
constexpr unsigned kFieldDecimals = 2;

double FiniteOrZero(double v) { return std::isfinite(v) ? v : 0.0; }

double ReadField(std::string_view text, const Parameters& parameters) {
  return FiniteOrZero(fktint::ReadNumberField(text, parameters.p, parameters.q));
}

}  // namespace

double AnimationStep(double value, double step, double lower, double upper, bool& upward) {
  lower = FiniteOrZero(lower);
  upper = FiniteOrZero(upper);
  // A negative step would walk away from the bound that turns it, for ever.
  step = std::fabs(FiniteOrZero(step));
  value = FiniteOrZero(value);
  double next = upward ? value + step : value - step;
  if (!std::isfinite(next)) next = value;
  if (!(upper >= next)) upward = false;
  if (lower > next) upward = true;
  return next;
}

void AnimationTick(Controls& controls, Parameters& parameters, Animation& animation) {
  const double step = ReadField(controls.animation_step, parameters);
  const double lower = ReadField(controls.interval_from, parameters);
  const double upper = ReadField(controls.interval_to, parameters);
  if (controls.animate_point_a || controls.animate_point_b) {
    std::string& text = controls.animate_point_a ? controls.point_a_x : controls.point_b_x;
    const double a = AnimationStep(ReadField(text, parameters), step, lower, upper, animation.upward);
    text = fktint::FormatNumber(kFieldWidth, kFieldDecimals, a);
    return;
  }
  parameters.p = AnimationStep(parameters.p, step, lower, upper, animation.upward);
  controls.parameter_p = fktint::FormatNumber(kFieldWidth, kFieldDecimals, parameters.p);
}

std::string StepFieldText(std::string_view field_text, StepDirection direction, const Parameters& parameters,
                          double& value) {
  double v = ReadField(field_text, parameters);
  v = direction == StepDirection::kUp ? v + kStepperIncrement : v - kStepperIncrement;
  value = v;
  return fktint::FormatNumber(kFieldWidth, kFieldDecimals, v);
}

}  // namespace plotwerk::plot
