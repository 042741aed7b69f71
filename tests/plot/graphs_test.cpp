// Graph plotting through Plotter::Redraw on the recording canvas: breaks at poles and
// undefined stretches, curve styles, derived curves against their formulas, family, inverse,
// combinations and the bounds of every loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "plot/constructions.h"
#include "plot/graphs.h"
#include "plot/plotter.h"
#include "plot/testing/raster_canvas.h"
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot {
namespace {

using testing::CallKind;
using testing::CanvasCall;
using testing::RecordingCanvas;

struct GraphRun {
  RecordingCanvas canvas;
  Plotter plotter;
  Controls controls;

  // Segments drawn in a colour, in order.
  std::vector<CanvasCall> Segments(Rgb colour) const { return canvas.LinesIn(colour); }
  std::vector<CanvasCall> Pixels(Rgb colour) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& p : canvas.Calls(CallKind::SetPixel)) {
      if (p.color == colour) out.push_back(p);
    }
    return out;
  }
  const ScreenMapping& Mapping() const { return plotter.Mapping(); }
  int Row(double y) const { return RoundHalfEven(Mapping().WorldToPixelY(y)); }
};

// Draws the controls with the Draw command and a redraw, on the basic setting of w x h or
// on the given view.
void Draw(GraphRun& run, int w = 606, int h = 597, const PlotView* view = nullptr) {
  if (view != nullptr) {
    run.plotter.SetView(*view);
  } else {
    run.plotter.ApplyBasicSetting(w, h);
  }
  run.plotter.DrawCommand(run.controls);
  run.plotter.Redraw(run.canvas, w, h, run.controls);
}

Controls OnlyF1(const std::string& term) {
  Controls c;
  c.f1_term = term;
  c.grid = false;
  c.axes = false;
  return c;
}

// No segment is longer vertically than the jump limit, so no pole is bridged.
void ExpectNoBridges(const std::vector<CanvasCall>& segments, int h) {
  for (const CanvasCall& s : segments) {
    EXPECT_LE(std::abs(s.a.y - s.b.y), h / 2.0 - 10) << "from " << s.a.x << "," << s.a.y << " to " << s.b.x << "," << s.b.y;
  }
}

TEST(PlotTerm, DefaultWindowDrawsOneBlueLabelledGraph) {
  GraphRun run;
  Draw(run);
  const auto blue = run.Segments(kCurveBlue);
  // Columns -1 to width + 5, one segment per step.
  ASSERT_EQ(blue.size(), 606u + 6u);
  EXPECT_EQ(blue.front().a.x, -1);
  EXPECT_EQ(blue.back().b.x, 611);
  const double x = run.Mapping().PixelToWorldX(353);
  EXPECT_EQ(blue[353].b, (Point{353, run.Row(x * std::sin(x + 1))}));  // P = 1
  const auto label = run.canvas.TextsEqual("Y = X*SIN(X+P)");
  ASSERT_EQ(label.size(), 1u);
  EXPECT_EQ(label[0].a, (Point{16, 16}));
  EXPECT_EQ(label[0].state.font_color, kCurveBlue);
  EXPECT_EQ(label[0].state.font_name, "Verdana");
  EXPECT_EQ(label[0].state.font_size, 9);
  // Transparent text background: the redraw's setting, or the clear brush the axes leave.
  EXPECT_TRUE(label[0].state.transparent_text_background || label[0].state.brush_style == BrushStyle::Clear);
  EXPECT_EQ(run.plotter.Terms().Size(), 1u);
  EXPECT_DOUBLE_EQ(run.plotter.Params().p, 1.0);
}

TEST(PlotTerm, PolesBreakTheGraph) {
  for (const char* term : {"1/X", "TAN(X)", "1/(X-1)^2", "LN(ABS(X))"}) {
    SCOPED_TRACE(term);
    GraphRun run;
    run.controls = OnlyF1(term);
    Draw(run);
    const auto blue = run.Segments(kCurveBlue);
    EXPECT_GT(blue.size(), 300u);
    ExpectNoBridges(blue, 597);
  }
  GraphRun run;
  run.controls = OnlyF1("1/X");
  Draw(run);
  for (const CanvasCall& s : run.Segments(kCurveBlue)) {
    EXPECT_FALSE(s.a.x <= 303 && s.b.x >= 303) << "segment touches the pole column";
  }
}

TEST(PlotTerm, JumpLimitIsHalfTheHeightLessTen) {
  const PlotView view{0, 100, 0, 100};  // one pixel per unit on 100 x 100
  GraphRun joined;
  joined.controls = OnlyF1("40*X");
  Draw(joined, 100, 100, &view);
  EXPECT_FALSE(joined.Segments(kCurveBlue).empty());
  GraphRun broken;
  broken.controls = OnlyF1("41*X");
  Draw(broken, 100, 100, &view);
  EXPECT_TRUE(broken.Segments(kCurveBlue).empty());
}

TEST(PlotTerm, PointsWithin200RowsOfTheAreaAreJoinedFurtherOnesOnlyMove) {
  const PlotView view{0, 100, 0, 100};
  GraphRun near;
  near.controls = OnlyF1("X/10+190");  // rows -90 down to -100: above the area, within 200
  Draw(near, 100, 100, &view);
  EXPECT_EQ(near.Segments(kCurveBlue).size(), 106u);
  GraphRun far;
  far.controls = OnlyF1("X/10+310");
  Draw(far, 100, 100, &view);
  EXPECT_TRUE(far.Segments(kCurveBlue).empty());
}

TEST(PlotTerm, UndefinedStretchDrawsNothingAndTheNextBranchStartsAfresh) {
  // Defined up to x = -1 and from x = 1; between, the evaluator gives a substitute value.
  GraphRun run;
  run.controls = OnlyF1("SQRT(X^2-1)");
  Draw(run);
  const auto blue = run.Segments(kCurveBlue);
  ASSERT_GT(blue.size(), 400u);
  for (const CanvasCall& s : blue) {
    const double xa = run.Mapping().PixelToWorldX(s.a.x);
    const double xb = run.Mapping().PixelToWorldX(s.b.x);
    EXPECT_FALSE(std::fabs(xa) < 1 || std::fabs(xb) < 1) << "segment " << s.a.x << " to " << s.b.x;
  }
  for (const char* term : {"SQRT(X)", "LN(X)"}) {
    SCOPED_TRACE(term);
    GraphRun half;
    half.controls = OnlyF1(term);
    Draw(half);
    const auto segments = half.Segments(kCurveBlue);
    ASSERT_FALSE(segments.empty());
    for (const CanvasCall& s : segments) EXPECT_GE(s.a.x, 303);
    ExpectNoBridges(segments, 597);
  }
}

TEST(PlotTerm, JumpValuesSetSinglePixels) {
  GraphRun run;
  run.controls = OnlyF1("INT(X)");  // every value carries code 3
  Draw(run);
  EXPECT_TRUE(run.Segments(kCurveBlue).empty());
  const auto dots = run.Pixels(kCurveBlue);
  EXPECT_EQ(dots.size(), 612u);
  EXPECT_EQ(dots[302].a, (Point{302, run.Row(-1)}));  // x just left of 0 lies on -1
}

TEST(PlotTerm, ReturningFromFarBeyondAnEdgeIsNeverJoinedInTallAreas) {
  // Column 50 is far above the area (about 1e9), column 51 comes back at row 1503.
  const PlotView view{0, 100, 0, 1000};
  GraphRun run;
  run.controls = OnlyF1("500+1/(50.000000001-X)");
  Draw(run, 100, 3000, &view);
  const auto blue = run.Segments(kCurveBlue);
  ASSERT_FALSE(blue.empty());
  for (const CanvasCall& s : blue) {
    EXPECT_FALSE(s.a.x == 50 && s.b.x == 51) << "joined from row " << s.a.y;
    EXPECT_GE(s.a.y, 0);
    EXPECT_LE(s.a.y, 3000);
  }
}

TEST(PlotTerm, DomainLimitsTheColumns) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.domain_from = "0";
  run.controls.domain_to = "1";
  Draw(run);
  const auto blue = run.Segments(kCurveBlue);
  ASSERT_FALSE(blue.empty());
  EXPECT_EQ(blue.front().a.x, 304);  // first column with x > 0
  EXPECT_LE(run.Mapping().PixelToWorldX(blue.back().b.x), 1.0);

  GraphRun empty;
  empty.controls = OnlyF1("X");
  empty.controls.domain_from = "2";
  empty.controls.domain_to = "1";
  Draw(empty);
  EXPECT_EQ(empty.Segments(kCurveBlue).size(), 1u);  // start column joined to the next

  GraphRun far;
  far.controls = OnlyF1("X");
  far.controls.domain_from = "10^10";
  Draw(far);
  EXPECT_TRUE(far.Segments(kCurveBlue).empty());
  EXPECT_EQ(far.canvas.TextsEqual("Y = X").size(), 1u);
}

TEST(CurveStyle, ColoursLabelRowsAndWidthsFollowTheCurveNumber) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.f2_term = "X+1";
  run.controls.f2_plotted = true;
  run.controls.f3_term = "X+2";
  run.controls.f4_term = "X+3";
  run.controls.graph_width = 3;
  Draw(run);
  const Rgb colours[] = {kCurveBlue, kCurveRed, kCurveGreen, kCurveFuchsia};
  const char* labels[] = {"Y = X", "Y = X+1", "Y = X+2", "Y = X+3"};
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const auto segments = run.Segments(colours[k]);
    ASSERT_FALSE(segments.empty());
    EXPECT_EQ(segments[0].state.pen_width, 3);
    const auto label = run.canvas.TextsEqual(labels[k]);
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].a, (Point{16, 16 * (k + 1)}));
    EXPECT_EQ(label[0].state.font_color, colours[k]);
  }
}

// Whatever else is drawn between them, every term keeps the colour of its field, and no curve
// takes the colour of another term or of the markers A and B.
TEST(CurveStyle, EachTermKeepsItsFieldColourWhateverOptionsAreOn) {
  struct Case {
    const char* name;
    std::vector<bool Controls::*> options;
  };
  const Case cases[] = {
      {"nothing else", {}},
      {"antiderivative", {&Controls::antiderivative}},
      {"derivatives", {&Controls::first_derivative, &Controls::second_derivative}},
      {"transformations and inverse",
       {&Controls::mirror_in_x_axis, &Controls::mirror_in_y_axis, &Controls::mirror_in_origin,
        &Controls::shift_along_x, &Controls::stretch_along_y, &Controls::inverse_of_f1,
        &Controls::sum_f1_f2}},
      {"points and lines at A and B",
       {&Controls::point_a, &Controls::point_b, &Controls::tangent, &Controls::secant,
        &Controls::inflection_tangents, &Controls::antiderivative}},
  };
  const Rgb terms[] = {kCurveBlue, kCurveRed, kCurveGreen, kCurveFuchsia};
  const char* labels[] = {"Y = X^3/8-X", "Y = X+1", "Y = X/2+2", "Y = 3-X"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GraphRun run;
    run.controls = OnlyF1("X^3/8-X");
    run.controls.f2_term = "X+1";
    run.controls.f2_plotted = true;
    run.controls.f3_term = "X/2+2";
    run.controls.f4_term = "3-X";
    for (bool Controls::*option : c.options) run.controls.*option = true;
    Draw(run);
    for (int k = 0; k < 4; ++k) {
      const auto label = run.canvas.TextsEqual(labels[k]);
      ASSERT_EQ(label.size(), 1u) << labels[k];
      EXPECT_EQ(label[0].state.font_color, terms[k]) << labels[k];
    }
    // Every curve writes its label at the left edge in its colour: a term's colour labels that
    // term alone.
    for (const CanvasCall& t : run.canvas.Texts()) {
      for (int k = 0; k < 4; ++k) {
        if (t.a.x == 16 && t.state.font_color == terms[k]) {
          EXPECT_EQ(t.text, labels[k]);
        }
      }
    }
    for (const Rgb marker : {kMarkerAColour, kMarkerBColour}) {
      EXPECT_TRUE(run.Segments(marker).empty());
    }
  }
  for (std::int32_t k = 1; k <= 20; ++k) {
    SCOPED_TRACE(k);
    for (const Rgb taken : {kCurveBlue, kCurveRed, kCurveGreen, kCurveFuchsia, kMarkerAColour, kMarkerBColour}) {
      EXPECT_NE(ExtraCurveColour(k), taken);
    }
  }
}

TEST(CurveStyle, WidthOutsideTheStepperRangeIsClamped) {
  for (const auto& [width, expected] : {std::pair{0, 1}, std::pair{-5, 1}, std::pair{9, 6}, std::pair{1000000, 6}}) {
    GraphRun run;
    run.controls = OnlyF1("X");
    run.controls.graph_width = width;
    Draw(run);
    ASSERT_FALSE(run.Segments(kCurveBlue).empty());
    EXPECT_EQ(run.Segments(kCurveBlue)[0].state.pen_width, expected);
  }
}

TEST(CurveStyle, ColourSwitchOffDrawsEveryCurveBlack) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.f2_plotted = true;
  run.controls.coloured_graphs = false;
  Draw(run);
  EXPECT_TRUE(run.Segments(kCurveBlue).empty());
  EXPECT_TRUE(run.Segments(kCurveRed).empty());
  EXPECT_GT(run.Segments(kCurveBlack).size(), 1000u);
  EXPECT_EQ(run.canvas.TextsEqual("Y = X^2/4-2")[0].state.font_color, kCurveBlack);
  EXPECT_FALSE(run.plotter.ColourSwitch());
}

TEST(CurveStyle, WithoutF1TheFirstCheckedTermIsTheFirstTerm) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.f1_plotted = false;
  run.controls.f2_plotted = true;
  run.controls.first_derivative = true;
  Draw(run);
  // f2 keeps its own colour; the derivative of X^2/4-2, X/2, takes the first extra colour.
  EXPECT_EQ(run.canvas.TextsEqual("Y = X^2/4-2")[0].state.font_color, kCurveRed);
  ASSERT_FALSE(run.Segments(kCurveOrange).empty());
  EXPECT_EQ(run.canvas.TextsEqual("1st derivative")[0].state.font_color, kCurveOrange);
}

// The value each transformation draws at x, from f.
double Transform(DerivedKind kind, const std::string& f, double x, double p) {
  auto e = [&](double v) { return fktint::EvaluateTerm(f, v, p, 0).value; };
  switch (kind) {
    case DerivedKind::MirrorX: return e(-x);
    case DerivedKind::Negate: return -e(x);
    case DerivedKind::MirrorOrigin: return -e(-x);
    case DerivedKind::SelfCompose: return e(e(x));
    case DerivedKind::ShiftX: return e(x + p);
    case DerivedKind::StretchX: return e(p * x);
    case DerivedKind::ShiftY: return e(x) + p;
    case DerivedKind::StretchY: return p * e(x);
    default: return 0;
  }
}

TEST(DerivedCurves, TransformationsFollowTheirFormulas) {
  const std::string f = "X^3/8-X+0,5";
  for (const TransformItem& item : kTransformItems) {
    SCOPED_TRACE(std::string(DerivedLabel(item.kind)));
    GraphRun run;
    run.controls = OnlyF1(f);
    run.controls.parameter_p = "1,5";
    run.controls.*item.item = true;
    Draw(run);
    const auto red = run.Segments(kCurveOrange);
    ASSERT_GT(red.size(), 100u);
    int checked = 0;
    for (const CanvasCall& s : red) {
      if (s.b.x % 50 != 0 || s.b.x < 0 || s.b.x > 606) continue;
      const double v = Transform(item.kind, f, run.Mapping().PixelToWorldX(s.b.x), 1.5);
      EXPECT_EQ(s.b.y, run.Row(v)) << "column " << s.b.x;
      ++checked;
    }
    EXPECT_GT(checked, 0);
    const auto label = run.canvas.TextsEqual(DerivedLabel(item.kind));
    ASSERT_EQ(label.size(), 1u);
    EXPECT_EQ(label[0].a, (Point{16, 32}));
  }
}

TEST(DerivedCurves, DerivativesAreForwardDifferencesOverOnePixel) {
  const std::string f = "X*SIN(X+P)";
  GraphRun run;
  run.controls = OnlyF1(f);
  run.controls.first_derivative = true;
  run.controls.second_derivative = true;
  Draw(run);
  const ScreenMapping& m = run.Mapping();
  auto e = [&](int column) { return fktint::EvaluateTerm(f, m.PixelToWorldX(column), 1, 0).value; };
  auto row = [&](double slope) { return RoundHalfEven(m.origin_y - slope * m.y_scale); };
  const auto first = run.Segments(kCurveOrange);
  const auto second = run.Segments(kCurveTeal);
  ASSERT_GT(first.size(), 500u);
  ASSERT_GT(second.size(), 500u);
  EXPECT_EQ(first.back().b.x, 606);  // derived curves stop at the right edge
  for (int column : {0, 100, 303, 450}) {
    SCOPED_TRACE(column);
    const double d1 = (e(column + 1) - e(column)) * m.x_scale;
    const double d2 = (e(column + 2) - 2 * e(column + 1) + e(column)) * m.x_scale * m.x_scale;
    const auto at = [&](const std::vector<CanvasCall>& v) {
      return std::find_if(v.begin(), v.end(), [&](const CanvasCall& s) { return s.b.x == column; });
    };
    ASSERT_NE(at(first), first.end());
    ASSERT_NE(at(second), second.end());
    EXPECT_EQ(at(first)->b.y, row(d1));
    EXPECT_EQ(at(second)->b.y, row(d2));
    // About the analytic values: f' = sin(x+1) + x cos(x+1).
    const double x = m.PixelToWorldX(column);
    EXPECT_NEAR(d1, std::sin(x + 1) + x * std::cos(x + 1), 0.1);
  }
  EXPECT_FALSE(run.canvas.TextsEqual("2nd derivative").empty());
}

TEST(DerivedCurves, AngleModesDrawTheDerivedCurveAsDots) {
  GraphRun run;
  run.controls = OnlyF1("X*SIN(X+P)");
  run.controls.first_derivative = true;
  run.controls.degrees = true;
  Draw(run);
  EXPECT_TRUE(run.Segments(kCurveOrange).empty());
  EXPECT_GT(run.Pixels(kCurveOrange).size(), 500u);
  EXPECT_GT(run.Segments(kCurveBlue).size(), 600u);  // the graph stays a line
}

TEST(DerivedCurves, ShiftByZeroRepeatsTheGraphInTheNextColour) {
  GraphRun run;
  run.controls = OnlyF1("X*SIN(X+P)");
  run.controls.parameter_p = "0";
  run.controls.shift_along_x = true;
  Draw(run);
  const auto blue = run.Segments(kCurveBlue);
  const auto red = run.Segments(kCurveOrange);
  ASSERT_GT(red.size(), 600u);
  EXPECT_EQ(red[100].b, blue[100].b);
  EXPECT_FALSE(run.canvas.TextsEqual("f(x+p)").empty());
}

TEST(DerivedCurves, SelfCompositionIsUndefinedWhereTheInnerValueIs) {
  GraphRun run;
  run.controls = OnlyF1("SQRT(X)");
  run.controls.composition = true;
  Draw(run);
  for (const CanvasCall& s : run.Segments(kCurveOrange)) EXPECT_GE(s.a.x, 303);
}

// Members of a family: each starts its polyline at column -1.
int FamilyMembers(const GraphRun& run, Rgb colour) {
  int n = 0;
  for (const CanvasCall& s : run.Segments(colour)) n += s.a.x == -1;
  return n;
}

TEST(Family, StepsPFromItsValueToQ) {
  const struct {
    const char* step;
    const char* q;
    int members;
  } cases[] = {{"0,1", "2", 10}, {"0", "2", 10}, {"-0,5", "2", 3}, {"0,05", "2", 10}, {"0,1", "0", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.step) + " to " + c.q);
    GraphRun run;
    run.controls = OnlyF1("X+P");
    run.controls.family = true;
    run.controls.family_step = c.step;
    run.controls.parameter_q = c.q;
    run.controls.inverse_of_f1 = true;
    Draw(run);
    EXPECT_EQ(FamilyMembers(run, kCurveOrange), c.members);
    EXPECT_EQ(run.canvas.TextsEqual("Y = X+P").size(), 1u);  // members are not labelled
    EXPECT_FALSE(run.canvas.TextsEqual("Inverse function").empty());
    EXPECT_EQ(run.canvas.TextsEqual("Inverse function")[0].state.font_color, kCurveTeal);
    EXPECT_DOUBLE_EQ(run.plotter.Params().p, 1.0);
    EXPECT_DOUBLE_EQ(run.plotter.Params().q, std::atof(c.q));
  }
}

TEST(Family, MemberCountIsBoundedAndReported) {
  GraphRun run;
  run.controls = OnlyF1("X+P");
  run.controls.family = true;
  run.controls.parameter_q = "10^10";
  Draw(run, 60, 40);
  EXPECT_EQ(FamilyMembers(run, kCurveOrange), kMaxFamilyMembers);
  const auto& lines = run.plotter.Results().Lines();
  EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return l.find("200") != std::string::npos; }),
            lines.end());
}

TEST(Inverse, ReflectsInTheDiagonalOverEveryRowIgnoringTheDomain) {
  GraphRun run;
  run.controls = OnlyF1("2*X");
  run.controls.domain_from = "0";
  run.controls.domain_to = "1";
  run.controls.inverse_of_f1 = true;
  Draw(run);
  const auto red = run.Segments(kCurveOrange);
  ASSERT_GT(red.size(), 400u);
  const ScreenMapping& m = run.Mapping();
  EXPECT_GT(red.back().b.y, 500);  // x far outside the domain 0 to 1
  for (const CanvasCall& s : red) {
    EXPECT_EQ(s.b.y, s.a.y + 1);
    const double y = (m.origin_y - s.b.y) / m.y_scale;
    EXPECT_EQ(s.b.x, RoundHalfEven(m.WorldToPixelX(2 * y)));
  }
  EXPECT_EQ(run.canvas.TextsEqual("Inverse function")[0].a, (Point{16, 32}));
}

TEST(Combinations, DrawSumDifferenceProductAndQuotientWithF2) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.sum_f1_f2 = run.controls.difference_f1_f2 = true;
  run.controls.product_f1_f2 = run.controls.quotient_f1_f2 = true;
  Draw(run);
  const char* labels[] = {"Y = X+(X^2/4-2)", "Y = X-(X^2/4-2)", "Y = (X)*(X^2/4-2)", "Y = (X)/(X^2/4-2)"};
  for (int k = 0; k < 4; ++k) {
    const auto label = run.canvas.TextsEqual(labels[k]);
    ASSERT_EQ(label.size(), 1u) << labels[k];
    EXPECT_EQ(label[0].a.y, 16 * (k + 2));
  }
  run.controls.f2_term = "0";
  GraphRun zero;
  zero.controls = run.controls;
  Draw(zero);
  EXPECT_TRUE(zero.canvas.TextsEqual("Y = (X)/(0)").empty());
  zero.controls.f2_term = "0,0";
  GraphRun zero_comma;
  zero_comma.controls = zero.controls;
  Draw(zero_comma);
  EXPECT_EQ(zero_comma.canvas.TextsEqual("Y = (X)/(0,0)").size(), 1u);
  zero_comma.controls.f2_term = "";
  GraphRun none;
  none.controls = zero_comma.controls;
  Draw(none);
  EXPECT_EQ(none.canvas.Texts().size(), 1u);
}

TEST(Zeichnen, EmptyTermListDrawsNoCurveAndKeepsTheListEmpty) {
  GraphRun run;
  run.controls = OnlyF1("");
  Draw(run);
  EXPECT_TRUE(run.canvas.Lines().empty());
  EXPECT_EQ(run.plotter.Results().Count(), 0u);
}

TEST(Zeichnen, EveryOptionOnEveryAreaFinishes) {
  Controls all;
  all.f2_plotted = true;
  all.f3_term = "1/X";
  all.f4_term = "TAN(X)";
  all.first_derivative = all.second_derivative = all.family = true;
  all.mirror_in_x_axis = all.mirror_in_y_axis = all.mirror_in_origin = true;
  all.composition = all.shift_along_x = all.stretch_along_x = true;
  all.shift_along_y = all.stretch_along_y = all.inverse_of_f1 = true;
  all.sum_f1_f2 = all.difference_f1_f2 = true;
  all.product_f1_f2 = all.quotient_f1_f2 = true;
  all.fine_grid = all.frame = all.radians = all.bold_axes = true;
  all.domain_from = "-1E12";
  const PlotView views[] = {{-6, 6, -5, 5}, {1e6, 1e6 + 1e-3, -1, 1}, {std::nan(""), 1, 2, 3}, {5, -5, 1, 1}};
  for (const PlotView& view : views) {
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{4000, 3000}, std::pair{0, -7}}) {
      RecordingCanvas canvas;
      Plotter plotter;
      plotter.SetView(view);
      Controls c = all;
      plotter.DrawCommand(c);
      plotter.Redraw(canvas, w, h, c);
      EXPECT_TRUE(IsValidView(plotter.View()));
      EXPECT_GE(plotter.Mapping().width, 1);
    }
  }
}

TEST(Zeichnen, NotANumberParameterDrawsNoTransformedPoints) {
  GraphRun run;
  run.controls = OnlyF1("X");
  run.controls.parameter_p = "";  // keeps the P set below
  run.controls.shift_along_x = run.controls.stretch_along_y = run.controls.family = true;
  run.controls.inverse_of_f1 = true;
  run.plotter.SetParameters({.p = std::nan(""), .q = 2});
  Draw(run);
  EXPECT_TRUE(run.Segments(kCurveOrange).empty());    // f(x+p)
  EXPECT_TRUE(run.Segments(kCurveTeal).empty());  // p*f(x)
  EXPECT_EQ(FamilyMembers(run, kCurvePurple), 0);
  EXPECT_FALSE(run.Segments(kCurveOlive).empty());  // the inverse curve does not use P
  EXPECT_TRUE(std::isnan(run.plotter.Params().p));
}

TEST(Zeichnen, RasterPictureHasTheCurveColoursExactly) {
  testing::RasterCanvas canvas(606, 597);
  Plotter plotter;
  Controls c;
  c.f2_plotted = true;
  plotter.ApplyBasicSetting(606, 597);
  plotter.DrawCommand(c);
  plotter.Redraw(canvas, 606, 597, c);
  EXPECT_GT(canvas.Count(kCurveBlue), 600);
  EXPECT_GT(canvas.Count(kCurveRed), 500);
  // f2 = X^2/4-2 passes through (0, -2).
  EXPECT_EQ(canvas.At(303, RoundHalfEven(plotter.Mapping().WorldToPixelY(-2))), kCurveRed);
}

}  // namespace
}  // namespace plotwerk::plot
