// Markers, lines through A and B, hatching and the antiderivative, drawn by a full redraw on a
// recording canvas.
#include "plot/constructions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "plot/plotter.h"
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot {
namespace {

using testing::CallKind;
using testing::CanvasCall;
using testing::RecordingCanvas;

constexpr int kWidth = 606;
constexpr int kHeight = 597;

class ConstructionsTest : public ::testing::Test {
 protected:
  // One redraw of the basic view with the controls as set.
  void Draw() {
    plotter.ApplyBasicSetting(kWidth, kHeight);
    plotter.DrawCommand(controls);
    canvas.ClearCalls();
    drawing = plotter.Redraw(canvas, kWidth, kHeight, controls);
  }

  std::vector<CanvasCall> EllipsesFilled(Rgb colour) const {
    std::vector<CanvasCall> out;
    for (const CanvasCall& call : canvas.Calls(CallKind::Ellipse)) {
      if (call.state.brush_color == colour) out.push_back(call);
    }
    return out;
  }
  std::vector<CanvasCall> LinesIn(Rgb colour) const { return canvas.LinesIn(colour); }
  bool HasText(const std::string& text) const { return !canvas.TextsEqual(text).empty(); }

  Controls controls;
  Plotter plotter;
  RecordingCanvas canvas;
  Drawing drawing;
};

TEST(LineTermTest, SlopeInterceptAndSign) {
  EXPECT_EQ(LineTerm(0.5, -1, 4, 4), "0,5*X-1");
  EXPECT_EQ(LineTerm(2, 0, 3, 3), "2*X");
  EXPECT_EQ(LineTerm(1, 2.5, 3, 3), "1*X+2,5");
  EXPECT_EQ(LineTerm(-0.12345, 0.5, 4, 3), "-0,1235*X+0,5");
  // An intercept that rounds to 0 must not leave "X0" or "X+0" behind.
  EXPECT_EQ(LineTerm(1, -0.0001, 3, 3), "1*X");
  EXPECT_EQ(LineTerm(1, 0.0001, 3, 3), "1*X");
  EXPECT_EQ(LineTerm(NAN, 1, 3, 3), "");
  EXPECT_EQ(LineTerm(1, INFINITY, 3, 3), "");
}

TEST_F(ConstructionsTest, MarkersOfAAndBInTheirExactColours) {
  controls.point_a = true;
  controls.point_b = true;
  Draw();
  const auto a = EllipsesFilled(kMarkerAColour);
  const auto b = EllipsesFilled(kMarkerBColour);
  ASSERT_EQ(a.size(), 1u);
  ASSERT_EQ(b.size(), 1u);
  // A = (1; sin 2) at column 353.5 -> 354 and row 298 - 0.909 * 50.5 -> 252.
  EXPECT_EQ(a[0].a, (Point{350, 248}));
  EXPECT_EQ(a[0].b, (Point{359, 257}));
  EXPECT_EQ(a[0].state.pen_color, kBlack);
  EXPECT_EQ(b[0].a, (Point{299, 294}));
  EXPECT_EQ(b[0].b, (Point{308, 303}));
  EXPECT_EQ(drawing.captions.point_a_y, "; 0,91 )");
  EXPECT_EQ(drawing.captions.point_b_y, "; 0 )");
  EXPECT_FALSE(drawing.captions.integral) << "no integral, no caption written";
}

TEST_F(ConstructionsTest, TangentNormalAndSecantAtTheDefaults) {
  controls.tangent = true;
  controls.normal = true;
  controls.secant = true;
  Draw();
  // f(x) = x sin(x + 1): f'(1) = sin 2 + cos 2 = 0.49315, f(1) = 0.90930.
  EXPECT_TRUE(HasText("Y = 0,493*X+0,416"));
  EXPECT_TRUE(HasText("Y = -2,028*X+2,937"));
  // Secant through (1; 0.9093) and (0; 0) passes the origin.
  EXPECT_TRUE(HasText("Y = 0,9093*X"));
  EXPECT_TRUE(EllipsesFilled(kMarkerAColour).empty());
}

TEST_F(ConstructionsTest, HorizontalTangentVerticalNormalNoSecantForEqualAbscissae) {
  controls.f1_term = "2";
  controls.normal = true;
  controls.tangent = true;
  controls.secant = true;
  controls.point_b_x = "1";
  Draw();
  int lines = 0;
  for (const CanvasCall& t : canvas.Texts()) lines += t.text.rfind("Y = ", 0) == 0;
  EXPECT_EQ(lines, 2);  // the graph and its tangent, the constant line
  EXPECT_TRUE(HasText("Y = 2"));
  EXPECT_TRUE(HasText("X = 1"));  // the normal is vertical
}

TEST_F(ConstructionsTest, MarkersFarOutsideAreSkipped) {
  controls.f1_term = "X";
  controls.point_a_x = "10^9";
  controls.point_b_x = "-10^9";
  controls.point_a = true;
  controls.point_b = true;
  controls.tangent = true;
  controls.secant = true;
  Draw();
  EXPECT_TRUE(EllipsesFilled(kMarkerAColour).empty());
  EXPECT_TRUE(EllipsesFilled(kMarkerBColour).empty());
}

// Columns of the hatch lines, in drawing order.
std::vector<int> HatchColumns(const std::vector<CanvasCall>& lines) {
  std::vector<int> columns;
  for (const CanvasCall& line : lines) {
    EXPECT_EQ(line.a.x, line.b.x);
    columns.push_back(line.a.x);
  }
  return columns;
}

TEST_F(ConstructionsTest, HatchingRunsFromBTowardsA) {
  controls.integral = true;
  Draw();  // A = 1, B = 0: to the right from column 304, before column 353.5
  std::vector<int> expected;
  for (int c = 304; c <= 352; c += 2) expected.push_back(c);
  EXPECT_EQ(HatchColumns(LinesIn(kHatchColour)), expected);

  controls.point_a_x = "0";
  controls.point_b_x = "1";
  Draw();  // to the left from 354.5 while beyond column 303
  expected.clear();
  for (int c = 354; c >= 304; c -= 2) expected.push_back(c);
  EXPECT_EQ(HatchColumns(LinesIn(kHatchColour)), expected);

  // Where the curve is undefined there is no area: SQRT(X) from -1 hatches only right of 0.
  controls.f1_term = "SQRT(X)";
  controls.point_a_x = "-1";
  Draw();
  EXPECT_EQ(HatchColumns(LinesIn(kHatchColour)), expected);
}

TEST_F(ConstructionsTest, HatchingFarRightDrawsOnlyVisibleColumns) {
  controls.integral = true;
  controls.point_a_x = "0";
  controls.point_b_x = "100";  // column 5354: the walk is still feasible
  Draw();
  std::set<int> walked;
  for (int c : HatchColumns(LinesIn(kHatchColour))) {
    if (c <= kWidth) walked.insert(c);
  }
  for (const char* far : {"10^9", "9*10^9"}) {
    SCOPED_TRACE(far);
    controls.point_b_x = far;
    Draw();
    const std::vector<int> columns = HatchColumns(LinesIn(kHatchColour));
    EXPECT_LE(columns.size(), static_cast<std::size_t>(kWidth / 2 + 4));
    std::set<int> visible;
    for (int c : columns) {
      if (c <= kWidth) visible.insert(c);
    }
    EXPECT_EQ(visible, walked);
  }
}

TEST_F(ConstructionsTest, AntiderivativeOfOneIsTheLineThroughTheOrigin) {
  controls.f1_term = "1";
  controls.antiderivative = true;
  Draw();
  const ScreenMapping& map = plotter.Mapping();
  const auto lines = LinesIn(kCurveOrange);  // the first curve of no term field
  ASSERT_GT(lines.size(), 500u);
  for (const CanvasCall& line : lines) {
    const int k = line.b.x;
    EXPECT_NEAR(line.b.y, map.WorldToPixelY((k - map.origin_x_real) / map.x_scale), 0.5001) << k;
  }
  EXPECT_TRUE(HasText("Antiderivative f1"));
}

TEST_F(ConstructionsTest, AntiderivativeLabelFollowsTheSwitch) {
  controls.antiderivative = true;
  controls.term_captions = false;
  Draw();
  EXPECT_FALSE(HasText("Antiderivative f1"));
  EXPECT_FALSE(LinesIn(kCurveOrange).empty());
}

TEST_F(ConstructionsTest, OffsetByQuadratureMatchesTheWalk) {
  // The y-axis lies 5600 columns right of this view: the walk is feasible and is the reference.
  const ScreenMapping map = ScreenMapping::Compute(PlotView{-112, -100, -5, 5}, 600, 500);
  for (const char* term : {"SIN(X)+2", "X^2/100", "1"}) {
    SCOPED_TRACE(term);
    const SampleFunction f = TermFunction(term, {});
    const double walked = AntiderivativeOffset(f, map, 1, 1 << 30);
    const double jumped = AntiderivativeOffset(f, map, 1, 0);
    EXPECT_NEAR(jumped, walked, 1e-4 * std::max(1.0, std::fabs(walked)));
  }
  // Y-axis left of the start column: no offset.
  const ScreenMapping right = ScreenMapping::Compute(PlotView{100, 112, -5, 5}, 600, 500);
  EXPECT_EQ(AntiderivativeOffset(TermFunction("1", {}), right, 1, 0), 0);
}

TEST_F(ConstructionsTest, AntiderivativeCurveSameByWalkAndJump) {
  Plotter far;
  far.SetView(PlotView{-112, -100, -240, -200});
  far.UpdateMapping(600, 500);
  RecordingCanvas walk_canvas;
  RecordingCanvas jump_canvas;
  Parameters parameters;
  CurvePlotter walk(walk_canvas, far.Mapping(), controls, true, parameters);
  CurvePlotter jump(jump_canvas, far.Mapping(), controls, true, parameters);
  PlotAntiderivative(walk, "SIN(X)+2", 1 << 30);
  PlotAntiderivative(jump, "SIN(X)+2", 0);
  const auto a = walk_canvas.Lines();
  const auto b = jump_canvas.Lines();
  ASSERT_EQ(a.size(), b.size());
  ASSERT_FALSE(a.empty());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_EQ(a[i].b.x, b[i].b.x);
    EXPECT_NEAR(a[i].b.y, b[i].b.y, 1);
  }
}

TEST_F(ConstructionsTest, AntiderivativeFarFromTheAxisEnds) {
  controls.antiderivative = true;
  for (const PlotView& view : {PlotView{-1e9 - 12, -1e9, -5, 5}, PlotView{1e12, 1e12 + 12, -5, 5},
                               PlotView{-1e300, -0.9e300, -5, 5}}) {
    plotter.SetView(view);
    plotter.DrawCommand(controls);
    plotter.Redraw(canvas, kWidth, kHeight, controls);
  }
  // x_from far right of the view: nothing to draw, found without walking to it.
  controls.domain_from = "10^9";
  plotter.ApplyBasicSetting(kWidth, kHeight);
  canvas.ClearCalls();
  plotter.Redraw(canvas, kWidth, kHeight, controls);
  EXPECT_TRUE(LinesIn(kCurveOrange).empty());
}

}  // namespace
}  // namespace plotwerk::plot
