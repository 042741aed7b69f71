// The values of the letters P and Q in the terms of one window, passed to every evaluation.
#pragma once

namespace plotwerk::plot {

// P and Q as the drawing uses them: exact values, which the fields may show rounded (the
// animation moves P in steps the field shows with two decimals). The letter R is always 0.
struct Parameters {
  double p = 0;
  double q = 0;
};

}  // namespace plotwerk::plot
