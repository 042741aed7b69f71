// The animation's back-and-forth step rule and the 0.01 steppers of P, Q, A and B, on plain
// numbers and field texts, so the window, the benchmarks and the tests share one rule.
#pragma once

#include <string>
#include <string_view>

#include "plot/controls.h"
#include "plot/parameters.h"

namespace plotwerk::plot {

// The state of the animation that lasts from tick to tick: its direction, shared by P, A and B;
// upward at start and never reset, so it survives stopping and restarting and a change of the
// animated value. The window owns one for its timer.
struct Animation {
  bool upward = true;
};

// One animation step: value ± step, then the direction turns at the bounds (upper test first,
// so when both fire the direction ends upward). The value is not clamped; it passes a bound
// by at most one step. Inputs that would let the value run away are made harmless: a
// non-finite bound acts as 0 (like an unreadable field), a non-finite step as 0, a negative
// step by its magnitude, and a step that would leave the finite range leaves the value as is.
double AnimationStep(double value, double step, double lower, double upper, bool& upward);

// The timer's step on the snapshot of the fields: the radio buttons choose the value; A and B
// move through the text of their field, P through `parameters.p` (its exact value, not the
// rounded text), whose text ed_parameter is then rewritten. Bounds and step are read from
// ed_von, ed_bis and ed_delta at every tick, with the P and Q the tick starts from.
void AnimationTick(Controls& controls, Parameters& parameters, Animation& animation);

enum class StepDirection { kUp, kDown, kNone };

// Stepper click size.
inline constexpr double kStepperIncrement = 0.01;

// A stepper click on a number field: the field's value (read with `parameters`) ± 0.01
// (anything but "up" steps down), returned as the new text of the field; `value` receives the
// number, for P and Q.
std::string StepFieldText(std::string_view field_text, StepDirection direction, const Parameters& parameters,
                          double& value);

}  // namespace plotwerk::plot
