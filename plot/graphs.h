// The curve routines of zeichnen: curve style, the graph of a term, the derived curves, the
// family of curves and the inverse curve, sharing the state of one run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "fktint/fktint.h"
#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/parameters.h"
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
inline constexpr Rgb kCurveTeal{0, 128, 128};
inline constexpr Rgb kCurvePurple{128, 0, 128};
inline constexpr Rgb kCurveOlive{128, 128, 0};
inline constexpr Rgb kCurveOrange{255, 128, 0};
inline constexpr Rgb kCurveGrey{128, 128, 128};

// Colour of the term of field f1 to f4 with the colour switch on: blue, red, green, fuchsia,
// whatever else is drawn. Other numbers give the colour of f1.
Rgb TermColour(int field);
// Colour of the k-th curve (1-based) of a run that belongs to no term field (derivatives,
// antiderivative, transformations, family, inverse, tangents and lines): none of them is a
// term's colour or the colour of the markers A (yellow) and B (lime); they repeat after eight.
Rgb ExtraCurveColour(std::int32_t k);

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

// Derived kinds 3 to 10 and the menu item that enables each, in drawing order.
struct TransformItem {
  bool Controls::*item;
  DerivedKind kind;
};
inline constexpr TransformItem kTransformItems[] = {
    {&Controls::mirror_in_x_axis, DerivedKind::MirrorX},
    {&Controls::mirror_in_y_axis, DerivedKind::Negate},
    {&Controls::mirror_in_origin, DerivedKind::MirrorOrigin},
    {&Controls::composition, DerivedKind::SelfCompose},
    {&Controls::shift_along_x, DerivedKind::ShiftX},
    {&Controls::stretch_along_x, DerivedKind::StretchX},
    {&Controls::shift_along_y, DerivedKind::ShiftY},
    {&Controls::stretch_along_y, DerivedKind::StretchY},
};

// The label literal of a derived kind ("1st derivative", "f(-x)", ...).
std::string_view DerivedLabel(DerivedKind kind);

// State of one run of zeichnen plus the curve routines that read and write it.
class CurvePlotter {
 public:
  // Every curve is evaluated with `parameters`, which the plotter may change between curves.
  CurvePlotter(Canvas& canvas, const ScreenMapping& mapping, const Controls& controls,
               bool colour_switch, const Parameters& parameters);

  // Starts the next curve: raises the curve number and chooses its colour (the term field's for
  // a term, the next extra colour otherwise) and width; the colour also becomes the font colour.
  void SetCurveStyle(int field = 0);
  // The number of the curve drawn last in this run (0 before the first), and the number the
  // next SetCurveStyle gives.
  std::int32_t CurveNumber() const { return curve_number_; }
  std::int32_t NextCurveNumber() const {
    return curve_number_ < INT32_MAX ? curve_number_ + 1 : curve_number_;
  }
  // Graph of a term over the domain [x_from, x_to], column by column, with its label; `field`
  // (1 to 4) is the term field it comes from and sets its colour, 0 draws it as an extra curve.
  void PlotTerm(const std::string& term, int field = 0);
  // The same with the term read already.
  void PlotTerm(const std::string& term, const fktint::CompiledTerm& compiled, int field);
  // The vertical line through x over the whole height, styled like a curve and labelled
  // "X = " with the abscissa to `decimals` places.
  void PlotVerticalLine(double x, unsigned decimals);
  // One derived curve of the first term, styled and labelled.
  void PlotDerivedCurve(const std::string& term, DerivedKind kind);
  // The family of curves (c_schar) for P stepping by |step| (at least 0.1) from the current P
  // up to Q.
  void PlotFamily(const std::string& term, double step);
  // The reflection in y = x, sampled per visible pixel row; the caller styles it first.
  void PlotInverse(const std::string& term);
  // Writes a label at (16, 16 * curve number) in the curve colour while the label switch is on.
  void WriteLabel(std::string_view text);

  Canvas& canvas() { return canvas_; }
  const ScreenMapping& mapping() const { return mapping_; }
  const Controls& controls() const { return controls_; }
  const Parameters& parameters() const { return parameters_; }

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
  // Chooses colour and width for the current curve number.
  void ApplyCurveStyle();
  // The graph of a term in the current style at the given P and Q, with its label.
  void DrawGraph(const std::string& term, const fktint::CompiledTerm& compiled, const Parameters& parameters);

  std::int32_t curve_number_ = 0;
  // The term field of the current curve (0 for an extra curve) and the extra curves so far.
  int field_ = 0;
  std::int32_t extra_curves_ = 0;
  Canvas& canvas_;
  const ScreenMapping& mapping_;
  const Controls& controls_;
  bool colour_switch_;
  const Parameters& parameters_;
};

}  // namespace plotwerk::plot
