// koordinatensystem per option against the recording canvas: which lines, ticks and labels
// are drawn at which pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "plot/coordinate_system.h"
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot {
namespace {

using testing::CallKind;
using testing::CanvasCall;
using testing::RecordingCanvas;

constexpr Rgb kGrid{208, 208, 208};
constexpr Rgb kFine{240, 240, 240};

struct Drawn {
  RecordingCanvas canvas;
  ScreenMapping mapping;
};

Drawn Draw(const PlotView& view, int w, int h, const Controls& c = {}) {
  Drawn d;
  d.mapping = ScreenMapping::Compute(view, w, h);
  Koordinatensystem(d.canvas, d.mapping, view, c, Parameters{});
  return d;
}

std::vector<std::string> TextsAtRow(const RecordingCanvas& canvas, int row) {
  std::vector<std::string> out;
  for (const CanvasCall& t : canvas.Texts()) {
    if (t.a.y == row) out.push_back(t.text);
  }
  return out;
}

std::vector<CanvasCall> LinesIn(const RecordingCanvas& canvas, Rgb colour) {
  std::vector<CanvasCall> out;
  for (const CanvasCall& l : canvas.Lines()) {
    if (l.state.pen_color == colour) out.push_back(l);
  }
  return out;
}

bool HasVerticalAxis(const RecordingCanvas& canvas, int x, int h) {
  for (const CanvasCall& l : canvas.Lines()) {
    if (l.a == Point{x, h - 10} && l.b == Point{x, 10} && l.state.pen_color == kBlack) return true;
  }
  return false;
}

TEST(CoordinateSystem, DefaultViewHasUnitTicksLabelledOnBothAxes) {
  const Drawn d = Draw(BasicSetting(606, 597), 606, 597);
  const int oy = d.mapping.origin_y;
  ASSERT_EQ(oy, 298);
  EXPECT_EQ(TextsAtRow(d.canvas, oy + 6),
            (std::vector<std::string>{"0", "-1", "-2", "-3", "-4", "-5", "1", "2", "3", "4", "5"}));
  // Tick of x = 1 at column round(353.5) = 354, label 10 pixels to its left.
  const auto one = d.canvas.TextsEqual("1");
  ASSERT_FALSE(one.empty());
  EXPECT_EQ(one.front().a, (Point{344, 304}));
  EXPECT_EQ(d.canvas.TextsEqual("0").size(), 1u);
  // y labels end 6 pixels left of the axis (recording text is 7 pixels per character).
  const auto minus_two = d.canvas.TextsEqual("-2");
  ASSERT_EQ(minus_two.size(), 2u);  // x label and y label
  EXPECT_EQ(minus_two[1].a.x, 303 - 6 - 14);
  // A dotted grey grid line through every tick: 10 vertical and 10 horizontal.
  const auto grid = LinesIn(d.canvas, kGrid);
  EXPECT_EQ(grid.size(), 20u);
  for (const CanvasCall& l : grid) EXPECT_EQ(l.state.pen_style, PenStyle::Dot);
  EXPECT_TRUE(HasVerticalAxis(d.canvas, 303, 597));
  EXPECT_EQ(d.canvas.TextsEqual("x").size(), 1u);
  EXPECT_EQ(d.canvas.TextsEqual("y").size(), 1u);
}

TEST(CoordinateSystem, StepRuleDividesUntilOneStepFitsAndSkipsEightAndEighty) {
  const struct {
    double half_span;
    double n, d;
  } cases[] = {{6, 1, 1}, {1, 1, 4}, {0.1, 1, 40}, {50, 6, 1}, {0.01, 1, 400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.half_span);
    const ScreenMapping m = ScreenMapping::Compute({-c.half_span, c.half_span, -1, 1}, 606, 400);
    const TickStep step = XTickStep(m);
    EXPECT_EQ(step.n, c.n);
    EXPECT_EQ(step.d, c.d);
  }
}

TEST(CoordinateSystem, FractionalStepsAreLabelledWithDecimalCommas) {
  const Drawn d = Draw({-1, 1, -1, 1}, 606, 400);
  const auto labels = TextsAtRow(d.canvas, d.mapping.origin_y + 6);
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "-0,25", "-0,5", "-0,75", "0,25", "0,5", "0,75"}));
  EXPECT_EQ(d.canvas.TextsEqual("0,5").front().a.x, 454 - 10);  // 454.5 rounds to 454
}

TEST(CoordinateSystem, DegreeAndRadianLabelling) {
  Controls degrees;
  degrees.degrees = true;
  const Drawn d = Draw(BasicSetting(606, 597), 606, 597, degrees);
  const auto labels = TextsAtRow(d.canvas, d.mapping.origin_y + 6);
  ASSERT_GE(labels.size(), 5u);
  EXPECT_EQ(labels[1], "-45\xB0");
  EXPECT_NE(std::find(labels.begin(), labels.end(), "90\xB0"), labels.end());
  // The tick of 45 degrees stands at x = pi/4.
  EXPECT_EQ(d.canvas.TextsEqual("45\xB0").front().a.x, RoundHalfEven(d.mapping.WorldToPixelX(0.7853981633974483)) - 10);

  Controls radians = degrees;
  radians.radians = true;  // wins over degrees
  radians.frame = true;
  const Drawn r = Draw(BasicSetting(606, 597), 606, 597, radians);
  const auto quarter = r.canvas.TextsEqual("0,25");
  ASSERT_EQ(quarter.size(), 2u);  // frame label and axis label
  const auto pis = r.canvas.TextsEqual("p");
  ASSERT_FALSE(pis.empty());
  for (const CanvasCall& p : pis) {
    EXPECT_EQ(p.state.font_name, "Symbol");
    EXPECT_EQ(p.a.y, r.mapping.origin_y + 6);  // only after axis labels, never in the frame
  }
  EXPECT_EQ(r.canvas.Texts().back().state.font_name, "Verdana");
}

TEST(CoordinateSystem, AngleModeTurnsDivisorFourIntoThirds) {
  Controls degrees;
  degrees.degrees = true;
  const Drawn d = Draw({-1, 1, -1, 1}, 606, 400, degrees);
  EXPECT_FALSE(d.canvas.TextsEqual("15\xB0").empty());
  EXPECT_FALSE(d.canvas.TextsEqual("30\xB0").empty());
}

TEST(CoordinateSystem, ViewRightOfTheYAxisHasNoYAxisButGridAndFrame) {
  Controls c;
  c.frame = true;
  const Drawn d = Draw({1, 11, -5, 5}, 500, 500, c);
  EXPECT_LT(d.mapping.origin_x, 0);
  EXPECT_TRUE(d.canvas.TextsEqual("y").empty());
  EXPECT_TRUE(d.canvas.TextsEqual("0").empty());
  EXPECT_FALSE(d.canvas.TextsEqual("x").empty());
  // Frame labels of y at x = 2, but no axis labels.
  for (const CanvasCall& t : d.canvas.Texts()) {
    if (t.text == "-2") {
      EXPECT_TRUE(t.a.x == 2 || t.a.y == 6 || t.a.y == d.mapping.origin_y + 6);
    }
  }
  EXPECT_FALSE(LinesIn(d.canvas, kGrid).empty());
}

TEST(CoordinateSystem, AxisAndItsTicksAreTestedSeparately) {
  // Origin 8 pixels right of the area: no y-axis, but its ticks and labels are drawn.
  const Drawn right = Draw({-10.16, -0.16, -5, 5}, 500, 500);
  ASSERT_EQ(right.mapping.origin_x, 508);
  EXPECT_FALSE(HasVerticalAxis(right.canvas, 508, 500));
  EXPECT_EQ(right.canvas.TextsEqual("1").size(), 1u);
  // Origin at column 10: the axis is drawn; no room for numbers left of it, so they stand
  // right of it.
  const Drawn left = Draw({-0.2, 9.8, -5, 5}, 500, 500);
  ASSERT_EQ(left.mapping.origin_x, 10);
  EXPECT_TRUE(HasVerticalAxis(left.canvas, 10, 500));
  const auto minus_one = left.canvas.TextsEqual("-1");
  ASSERT_EQ(minus_one.size(), 1u);
  EXPECT_GT(minus_one[0].a.x, 10);
}

// Whichever way the view leaves the axes, the numbers of both stay on the area.
TEST(CoordinateSystem, ScaleNumbersStandAtTheEdgeWhenAnAxisIsOutOfView) {
  struct Case {
    PlotView view;
    const char* x_number;
    const char* y_number;
    bool x_at_top;
    bool y_at_left;
  };
  const Case cases[] = {
      {{10, 20, 100, 200}, "14", "150", false, true},        // origin below left
      {{-20, -10, -200, -100}, "-14", "-150", true, false},  // origin above right
      {{10, 20, -5, 5}, "14", "2", false, true},        // x axis in view, y axis left
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.x_number);
    const Drawn d = Draw(k.view, 500, 500);
    const auto x = d.canvas.TextsEqual(k.x_number);
    const auto y = d.canvas.TextsEqual(k.y_number);
    ASSERT_EQ(x.size(), 1u);
    ASSERT_EQ(y.size(), 1u);
    for (const CanvasCall& t : {x[0], y[0]}) {
      EXPECT_GE(t.a.x, 0);
      EXPECT_GE(t.a.y, 0);
      EXPECT_LT(t.a.x, 480);
      EXPECT_LT(t.a.y, 490);
    }
    if (k.view.y_min > 0 || k.view.y_max < 0) {
      EXPECT_EQ(x[0].a.y < 250, k.x_at_top);
    }
    EXPECT_EQ(y[0].a.x < 250, k.y_at_left);
  }
}

// A typed spacing replaces the automatic one on its axis; one too dense for the area is ignored.
TEST(CoordinateSystem, TypedTickSpacing) {
  Controls c;
  c.x_tick_spacing = "0,5";
  c.y_tick_spacing = "PI";
  const Drawn d = Draw({-6, 6, -5, 5}, 600, 500, c);
  EXPECT_EQ(d.canvas.TextsEqual("2,5").size(), 1u);
  EXPECT_EQ(d.canvas.TextsEqual("3,142").size(), 1u);
  EXPECT_EQ(d.canvas.TextsEqual("2").size(), 1u);  // on x only: y counts in steps of pi
  c.x_tick_spacing = "0,0001";
  c.y_tick_spacing = "-1";
  const Drawn dense = Draw({-6, 6, -5, 5}, 600, 500, c);
  const Drawn automatic = Draw({-6, 6, -5, 5}, 600, 500);
  EXPECT_EQ(dense.canvas.Texts().size(), automatic.canvas.Texts().size());
}

TEST(CoordinateSystem, NoTicksNearTheArrowHeads) {
  const Drawn d = Draw(BasicSetting(606, 597), 606, 597);
  for (const CanvasCall& t : d.canvas.Texts()) {
    if (t.a.y == d.mapping.origin_y + 6 && t.text != "0") {
      EXPECT_LT(t.a.x + 10, 606 - 26);
    }
    if (t.a.x < 303 && t.text != "0" && t.text != "y" && t.a.y != d.mapping.origin_y + 6) {
      EXPECT_GT(t.a.y, 26);
    }
  }
}

TEST(CoordinateSystem, ArrowHeadsAndHighlightedAxes) {
  Controls c;
  c.bold_axes = true;
  const Drawn d = Draw(BasicSetting(606, 597), 606, 597, c);
  const auto heads = d.canvas.Calls(CallKind::Polygon);
  ASSERT_EQ(heads.size(), 2u);
  const std::vector<Point> up = heads[0].points;
  EXPECT_EQ(up, (std::vector<Point>{{303 - 4, 10 + 14}, {303, 10}, {303 + 4, 10 + 14}}));
  const std::vector<Point> right = heads[1].points;
  EXPECT_EQ(right, (std::vector<Point>{{596 - 14, 298 - 4}, {596, 298}, {596 - 14, 298 + 4}}));
  EXPECT_EQ(heads[0].state.brush_color, kBlack);
  EXPECT_EQ(heads[0].state.pen_width, 2);
  for (const CanvasCall& l : d.canvas.Lines()) {
    if (l.a == Point{10, 298} && l.b == Point{596, 298}) {
      EXPECT_EQ(l.state.pen_width, 2);
    }
  }
}

TEST(CoordinateSystem, HiddenAxesDrawSubstituteLinesOrNothing) {
  Controls c;
  c.axes = false;
  const Drawn grid = Draw(BasicSetting(606, 597), 606, 597, c);
  EXPECT_TRUE(grid.canvas.Calls(CallKind::Polygon).empty());
  bool substitute = false;
  for (const CanvasCall& l : LinesIn(grid.canvas, kGrid)) substitute |= l.a == Point{303, 587} && l.b == Point{303, 10};
  EXPECT_TRUE(substitute);
  EXPECT_TRUE(grid.canvas.Texts().empty());

  c.grid = false;
  c.frame = true;
  const Drawn frame = Draw(BasicSetting(606, 597), 606, 597, c);
  for (const CanvasCall& l : frame.canvas.Lines()) {
    const bool short_tick = std::abs(l.a.x - l.b.x) + std::abs(l.a.y - l.b.y) <= 6;
    EXPECT_TRUE(short_tick) << l.a.x << "," << l.a.y << " " << l.b.x << "," << l.b.y;
  }
  EXPECT_FALSE(frame.canvas.TextsEqual("1").empty());
}

TEST(CoordinateSystem, OriginRowOffTheAreaSuppressesXAxisTicks) {
  // The x-axis row lies 10 pixels above the area.
  const Drawn d = Draw({-5, 5, -10.2, -0.2}, 500, 500);
  ASSERT_EQ(d.mapping.origin_y, -10);
  EXPECT_TRUE(d.canvas.TextsEqual("0").empty());
  for (const CanvasCall& t : d.canvas.Texts()) EXPECT_NE(t.a.y, -10 + 6);
}

TEST(CoordinateSystem, FineGridStartsAtTheFirstWholeStepOnlyForHorizontalLines) {
  Controls c;
  c.fine_grid = true;
  const Drawn d = Draw({-5, 5, 0.3, 10}, 500, 500, c);
  std::vector<int> rows, columns;
  for (const CanvasCall& l : LinesIn(d.canvas, kFine)) {
    if (l.a.y == l.b.y) rows.push_back(l.a.y);
    if (l.a.x == l.b.x) columns.push_back(l.a.x);
  }
  auto row_of = [&](double y) { return RoundHalfEven(d.mapping.WorldToPixelY(y)); };
  auto has = [](const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); };
  EXPECT_FALSE(has(rows, row_of(0.4)));
  EXPECT_FALSE(has(rows, row_of(0.8)));
  EXPECT_TRUE(has(rows, row_of(1.2)));
  EXPECT_TRUE(has(rows, row_of(9.8)));
  EXPECT_TRUE(has(columns, RoundHalfEven(d.mapping.WorldToPixelX(-4.8))));
  EXPECT_TRUE(has(columns, RoundHalfEven(d.mapping.WorldToPixelX(0.2))));
}

TEST(CoordinateSystem, ViewFarFromTheOriginJumpsToTheVisibleTicks) {
  // Stepping from the origin would take a billion steps; the labels show the visible ticks.
  Controls c;
  c.frame = true;
  c.fine_grid = true;
  const Drawn d = Draw({1e9, 1e9 + 10, 1e9, 1e9 + 7}, 846, 597, c);
  EXPECT_FALSE(d.canvas.TextsEqual("1000000001").empty());
  EXPECT_FALSE(d.canvas.TextsEqual("1000000009").empty());
  bool y_label = false;  // frame labels of y stand at x = 2
  for (const CanvasCall& t : d.canvas.TextsEqual("1000000003")) y_label |= t.a.x == 2;
  EXPECT_TRUE(y_label);
  EXPECT_LT(d.canvas.Calls().size(), 400u);
}

// Far from the origin the labels are wide, and in double precision several ticks may round to
// nearly the same pixel: labels in one row or column never overlap, and some are still drawn.
TEST(CoordinateSystem, LabelsNeverOverlapOnFarViews) {
  Controls c;
  c.frame = true;
  for (const PlotView& v : {PlotView{-6, 6, -5, 5}, PlotView{1e6 - 30, 1e6 + 30, -20, 20},
                            PlotView{-1e6, 1e6, -5e5, 5e5}, PlotView{1e15, 1e15 + 40, 1e15, 1e15 + 30},
                            PlotView{-3e15, 3e15, -2e15, 2e15}}) {
    SCOPED_TRACE(v.x_min);
    RecordingCanvas measure;
    const Drawn d = Draw(v, kDefaultAreaWidth, kDefaultAreaHeight, c);
    std::vector<CanvasCall> texts = d.canvas.Texts();
    ASSERT_GT(texts.size(), 4u);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      for (std::size_t j = i + 1; j < texts.size(); ++j) {
        const CanvasCall& a = texts[i];
        const CanvasCall& b = texts[j];
        const TextSize sa = measure.TextExtent(a.text);
        const TextSize sb = measure.TextExtent(b.text);
        const bool same_row = a.a.y == b.a.y;
        const bool same_column = a.a.x == b.a.x || a.a.x + sa.width == b.a.x + sb.width;
        if (!same_row && !same_column) continue;
        const bool apart = same_row ? a.a.x + sa.width <= b.a.x || b.a.x + sb.width <= a.a.x
                                    : a.a.y + sa.height <= b.a.y || b.a.y + sb.height <= a.a.y;
        EXPECT_TRUE(apart) << a.text << " at " << a.a.x << "," << a.a.y << " and " << b.text
                           << " at " << b.a.x << "," << b.a.y;
      }
    }
  }
}

// Whatever the height of the area, the lowest y label is read whole: near the lower edge it
// moves up instead of being cut (a 200 % window left "-3" half outside).
TEST(CoordinateSystem, LowestYLabelStaysInsideTheArea) {
  Controls framed;
  framed.frame = true;
  RecordingCanvas measure;
  for (const Controls& c : {Controls{}, framed}) {
    for (int w = 300; w <= 900; w += 50) {
      for (int h = 250; h <= 600; h += 5) {
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        const Drawn d = Draw(BasicSetting(w, h), w, h, c);
        for (const CanvasCall& t : d.canvas.Texts()) {
          EXPECT_LE(t.a.y + measure.TextExtent(t.text).height, h) << t.text;
          EXPECT_GE(t.a.y, 0) << t.text;
        }
      }
    }
  }
}

TEST(CoordinateSystem, DegenerateAreasAndHugeSpansFinish) {
  for (const PlotView& v : {PlotView{-6, 6, -5, 5}, PlotView{-1e300, 1e300, -1e-300, 1e-300},
                            PlotView{1e15, 1e15 + 1, -1, 1}}) {
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{4000, 3000}}) {
      Controls c;
      c.fine_grid = c.frame = c.radians = true;
      const Drawn d = Draw(v, w, h, c);
      EXPECT_LT(d.canvas.Calls().size(), 20000u);
    }
  }
}

}  // namespace
}  // namespace plotwerk::plot
