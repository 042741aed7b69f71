// The constructions at the points A and B of the first term: markers, tangent, normal, secant,
// the hatched area between A and B, and the antiderivative curve.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "plot/analysis.h"
#include "plot/canvas.h"
#include "plot/graphs.h"
#include "plot/parameters.h"
#include "plot/view.h"

namespace plotwerk::plot {

// The mouse recognises the markers by these exact fill colours.
inline constexpr Rgb kMarkerAColour{255, 255, 0};
inline constexpr Rgb kMarkerBColour{0, 255, 0};
// One step away from the marker yellow, so that hatching is never taken for point A.
inline constexpr Rgb kHatchColour{254, 255, 0};

// Relative step of the central difference that gives the slope where the symbolic derivative
// cannot be formed or evaluated.
inline constexpr double kSlopeStep = 1e-5;

// The slope of the curve at x: the derivative term's value there, or else a central difference
// of the term; nothing when neither is defined (a vertical tangent, an undefined point).
std::optional<double> SlopeAt(const std::string& term, const std::string& derivative, double x,
                              const Parameters& parameters);

// A filled circle nine pixels across centred on the pixel (col, row) given as real positions;
// nothing when the position is beyond the 32-bit pixel range (it could never be seen).
void DrawMarker(Canvas& canvas, double col, double row);

// The straight line m*X+b as term text: the slope with `slope_decimals`, then the intercept with
// `intercept_decimals` and its sign. An intercept that shows as 0 is left out, so the text
// stays a readable term; a slope that shows as 0 leaves the constant line b alone. Empty when m
// or b is not finite.
std::string LineTerm(double m, double b, unsigned slope_decimals, unsigned intercept_decimals);

// Hatches the area between f and g from B towards A with vertical lines two pixels apart, in the
// hatch colour, over the visible columns only.
void HatchArea(Canvas& canvas, const ScreenMapping& mapping, const SampleFunction& f,
               const SampleFunction& g, double xA, double xB);

// Columns of the antiderivative's offset sum that are summed one by one; beyond this the sum
// over the far columns is taken from a quadrature of the same stretch.
inline constexpr std::int64_t kMaxWalkedOffsetColumns = 20000;
// Pieces of that quadrature (Chebyshev's five-point rule on each).
inline constexpr int kOffsetQuadraturePieces = 4000;

// The offset F0 = -(f_s + ... + f_o) / x_scale over the columns s..o (o the y-axis column, 0
// when o < s): summed column by column up to `max_walked` columns, otherwise the sum of the
// columns near s plus a quadrature for the rest.
double AntiderivativeOffset(const SampleFunction& f, const ScreenMapping& mapping,
                            std::int64_t start_column, std::int64_t max_walked);

// The antiderivative of the term with F = 0 at the y-axis column, by the rectangle rule with
// one sample per pixel column, in the style the caller set, at the curves' P and Q; labelled
// "Antiderivative f1".
void PlotAntiderivative(CurvePlotter& curves, const std::string& term,
                        std::int64_t max_walked = kMaxWalkedOffsetColumns);

}  // namespace plotwerk::plot
