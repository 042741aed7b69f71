// The curve routines of zeichnen: curve style, the graph of a term, the derived curves, the
// family of curves and the inverse curve, sharing the state of one run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/view.h"

namespace plotwerk::plot {

inline constexpr Rgb kCurveBlue{0, 0, 255};
inline constexpr Rgb kCurveRed{255, 0, 0};
inline constexpr Rgb kCurveGreen{0, 128, 0};
inline constexpr Rgb kCurveFuchsia{255, 0, 255};
inline constexpr Rgb kCurveNavy{0, 0, 128};
inline constexpr Rgb kCurveLime{0, 255, 0};
inline constexpr Rgb kCurveBlack{0, 0, 0};
inline constexpr Rgb kCurveMaroon{128, 0, 0};

// Colour of curve number n (1-based) with the colour switch on.
Rgb CurveColour(std::int32_t n);

// Pen widths the graph width stepper allows; values outside are clamped.
inline constexpr int kMinCurveWidth = 1;
inline constexpr int kMaxCurveWidth = 6;

// The family of curves draws at most this many members; when the step would give more, the
// result list says how many were drawn.
inline constexpr int kMaxFamilyMembers = 200;

enum class DerivedKind {
  FirstDerivative = 1,
  SecondDerivative = 2,
  MirrorX = 3,        // f(-x)
  Negate = 4,         // -f(x)
  MirrorOrigin = 5,   // -f(-x)
  SelfCompose = 6,    // f(f(x))
  ShiftX = 7,         // f(x+p)
  StretchX = 8,       // f(p*x)
  ShiftY = 9,         // f(x)+p
  StretchY = 10,      // p*f(x)
};

// The label literal of a derived kind ("1st derivation", "f(-x)", ...).
std::string_view DerivedLabel(DerivedKind kind);

// State of one run of zeichnen plus the curve routines that read and write it.
class CurvePlotter {
 public:
  CurvePlotter(Canvas& canvas, const ScreenMapping& mapping, const Controls& controls,
               bool colour_switch);

  // Increments the curve number, chooses colour and width; the colour also becomes the font
  // colour.
  void SetCurveStyle();
  // Graph of a term over the domain [x_from, x_to], column by column, with its label.
  void PlotTerm(const std::string& term);
  // The vertical line through x over the whole height, styled like a curve and labelled
  // "X = " with the abscissa to `decimals` places.
  void PlotVerticalLine(double x, unsigned decimals);
  // One derived curve of the first term, styled and labelled.
  void PlotDerivedCurve(const std::string& term, DerivedKind kind);
  // The family of curves for P stepping from the current P to Q (c_schar).
  void PlotFamily(const std::string& term);
  // The reflection in y = x, sampled per visible pixel row; the caller styles it first.
  void PlotInverse(const std::string& term);
  // Writes a label at (16, 16 * curve number) in the curve colour while the label switch is on.
  void WriteLabel(std::string_view text);

  Canvas& canvas() { return canvas_; }
  const ScreenMapping& mapping() const { return mapping_; }
  const Controls& controls() const { return controls_; }

  std::int32_t curve_number = 0;
  Rgb curve_colour = kCurveBlue;
  bool label_switch = true;
  double x_from = -1000;
  double x_to = 1000;
  // Members drawn by the last family, and whether the member bound cut it short.
  int family_members = 0;
  bool family_truncated = false;

 private:
  double WorldX(std::int32_t column) const { return mapping_.PixelToWorldX(column); }
  // The first column right of x_from whose evaluation succeeds, searched from `first`;
  // returns a column beyond `last` when there is none.
  template <typename Evaluate>
  std::int32_t StartColumn(std::int32_t first, std::int32_t last, Evaluate evaluate);
  void DerivativeCurve(const std::string& term, DerivedKind kind);
  void TransformedCurve(const std::string& term, DerivedKind kind);
  void DerivedPoint(std::int32_t column, double row, std::uint8_t error);

  Canvas& canvas_;
  const ScreenMapping& mapping_;
  const Controls& controls_;
  bool colour_switch_;
};

}  // namespace plotwerk::plot
