// The result list of whole redraws, compared line by line as whole texts, and the value table.
#include "plot/results.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "plot/plotter.h"
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot {
namespace {

using Lines = std::vector<std::string>;

class ResultListTest : public ::testing::Test {
 protected:
  const Lines& Draw() {
    plotter.ApplyBasicSetting(606, 597);
    plotter.DrawCommand(controls);
    canvas.ClearCalls();
    drawing = plotter.Redraw(canvas, 606, 597, controls);
    return plotter.Results().Lines();
  }

  Drawing drawing;
  Controls controls;
  Plotter plotter;
  testing::RecordingCanvas canvas;
};

const Lines kDefaultHead = {
    "Function Y = X*SIN(X+P)", "Domain (-6 | 6)", "1st derivative", "Y = SIN(X+P)+X*COS(X+P)",
    "2nd derivative",          "Y = 2*COS(X+P)-X*SIN(X+P)",
};

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST_F(ResultListTest, DefaultControlsGiveTheTermAndDerivativeLines) {
  EXPECT_EQ(Draw(), kDefaultHead);
  controls.f2_plotted = true;
  EXPECT_EQ(Draw(), Concat({kDefaultHead, {"Function Y = X^2/4-2"}}));
}

TEST_F(ResultListTest, EmptyTermListGivesAnEmptyList) {
  controls.f1_plotted = false;
  controls.zeros = true;
  EXPECT_TRUE(Draw().empty());
}

TEST_F(ResultListTest, EveryAnalysisOfTheDefaultTerms) {
  controls.zeros = true;
  controls.extrema = true;
  controls.inflections = true;
  controls.intersections = true;
  controls.integral = true;
  // Values from the closed forms: zeros -1-pi, -1, 0, pi-1, 2pi-1; the integral of
  // x sin(x+1) over [0, 1] is sin 2 - cos 2 - sin 1 = 0.48397.
  const Lines expected = Concat({kDefaultHead,
                                 {"Area under f1 between (0 | 1)", "\t0,48",
                                  "Definite integral f1 between (0 | 1)", "\t0,48"},
                                 {"Zeros", "\t-4,14", "\t-1", "\t0", "\t2,14", "\t5,28"},
                                 {"Extrema", "\tMinimum\t(-5,88;-5,8)", "\tMaximum\t(-2,9;2,74)",
                                  "\tMinimum\t(-0,52;-0,24)", "\tMaximum\t(1,25;0,97)",
                                  "\tMinimum\t(3,96;-3,84)"},
                                 {"Inflection points", "\t(-4,56;-1,83)", "\t(-1,83;1,35)",
                                  "\t(0,38;0,38)", "\t(2,77;-1,62)", "\t(5,62;1,88)"},
                                 {"Intersection points between f1 and f2",
                                  "Function f2: Y = X^2/4-2", "Intersection points",
                                  "\t(-3,73;1,48)", "\t(2,39;-0,58)"}});
  EXPECT_EQ(Draw(), expected);
  EXPECT_EQ(drawing.captions.integral, "= 0,48");
  EXPECT_EQ(drawing.captions.area, "= 0,48");
  EXPECT_EQ(drawing.results.Lines(), expected);
}

TEST_F(ResultListTest, IntegralLinesOfASignChangingTerm) {
  controls.f1_term = "X";
  controls.point_a_x = "-1";
  controls.point_b_x = "1";
  controls.integral = true;
  const Lines& lines = Draw();
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
            (Lines{"Area under f1 between (-1 | 1)", "\t1", "Definite integral f1 between (-1 | 1)", "\t0"}));
  EXPECT_EQ(drawing.captions.integral, "= 0");
  EXPECT_EQ(drawing.captions.area, "= 1");

  // Between f1 and a checked f2; A and B exchanged give the same lines.
  controls.f2_plotted = true;
  controls.f2_term = "X^2";
  controls.point_a_x = "1";
  controls.point_b_x = "0";
  Lines between = Draw();
  controls.point_a_x = "0";
  controls.point_b_x = "1";
  EXPECT_EQ(Draw(), between);
  EXPECT_EQ(Lines(between.begin() + 6, between.begin() + 10),
            (Lines{"Area between f1 and f2 between (0 | 1)", "\t0,17",
                   "Definite integral f1-f2 between (0 | 1)", "\t0,17"}));

  // A = B: no lines, and no caption written.
  controls.point_b_x = "0";
  EXPECT_EQ(Draw().size(), 7u);  // two terms' heads only
  EXPECT_FALSE(drawing.captions.integral);
  EXPECT_FALSE(drawing.captions.area);
}

TEST_F(ResultListTest, SectionsWithoutPoints) {
  controls.intersections = true;
  controls.f2_term = "X^2+100";
  EXPECT_EQ(Draw(), Concat({kDefaultHead, {"Intersection points between f1 and f2",
                                           "Function f2: Y = X^2+100"}}));
  controls.intersections = false;
  controls.inflection_tangents = true;
  EXPECT_EQ(Draw(), Concat({kDefaultHead, {"Inflection points"}}));
}

TEST_F(ResultListTest, BottomTextsStackUpwards) {
  controls.f1_term = "X^3-3*X";
  controls.zeros = true;
  controls.extrema = true;
  controls.show_points = true;
  Draw();
  const auto zeros = canvas.TextsEqual("Zeros: -1,73 | 0 | 1,73");
  const auto extrema = canvas.TextsEqual("Extreme points: (-1;2) | (1;-2)");
  ASSERT_EQ(zeros.size(), 1u);
  ASSERT_EQ(extrema.size(), 1u);
  EXPECT_EQ(zeros[0].a, (Point{16, 597 - 30}));
  EXPECT_EQ(extrema[0].a, (Point{16, 597 - 46}));
  EXPECT_EQ(zeros[0].state.brush_color, kWhite);
  EXPECT_EQ(zeros[0].state.brush_style, BrushStyle::Solid);
}

TEST_F(ResultListTest, MarksOfTheSearches) {
  controls.f1_term = "X^3-3*X";
  controls.zeros = true;
  controls.extrema = true;
  Draw();
  int zero_marks = 0;
  int extremum_marks = 0;
  for (const auto& e : canvas.Calls(testing::CallKind::Ellipse)) {
    if (e.state.brush_color == Rgb{0, 255, 255}) {
      ++zero_marks;
      EXPECT_EQ(e.a.y, 298 - 4);  // on the x-axis
    }
    if (e.state.brush_color == Rgb{255, 0, 255}) ++extremum_marks;
  }
  EXPECT_EQ(zero_marks, 3);
  EXPECT_EQ(extremum_marks, 2);
}

TEST_F(ResultListTest, ParameterDoesNotCreep) {
  controls.parameter_p = "P+1";
  controls.zeros = true;
  controls.extrema = true;
  controls.inflections = true;
  controls.intersections = true;
  controls.value_table = true;
  controls.result_memo_visible = true;
  plotter.SetParameters({.p = 1, .q = 2});
  plotter.ApplyBasicSetting(606, 597);
  plotter.Redraw(canvas, 606, 597, controls);
  const Lines first = plotter.Results().Lines();
  plotter.Redraw(canvas, 606, 597, controls);
  EXPECT_EQ(plotter.Params().p, 1);
  EXPECT_EQ(plotter.Results().Lines(), first);
}

TEST_F(ResultListTest, ValueTableWithTheDefaultFields) {
  controls.value_table = true;
  EXPECT_EQ(Draw(), kDefaultHead);  // memo hidden: no table
  controls.result_memo_visible = true;
  const Lines& lines = Draw();
  ASSERT_EQ(lines.size(), kDefaultHead.size() + 3 + 150);
  EXPECT_EQ(Lines(lines.begin() + 6, lines.begin() + 10),
            (Lines{"", "Value table", "x\tf(x)\tf'(x)", "-6\t-5,75\t-0,74"}));
  EXPECT_EQ(lines.back().substr(0, 5), "5,92\t");
}

TEST(ValueTableTest, RowsStepsAndFailures) {
  ResultList list;
  AddValueTableLines(list, "X^2", "2*X", 0, 1, 0.5, {});
  EXPECT_EQ(list.Lines(), (Lines{"", "Value table", "x\tf(x)\tf'(x)", "0\t0\t0", "0,5\t0,25\t1", "1\t1\t2"}));

  // Start above the end: one row. A step of 0 or less: 0.05.
  list.Clear();
  AddValueTableLines(list, "X", "", 2, 1, 1, {});
  EXPECT_EQ(list.Lines(), (Lines{"", "Value table", "x\tf(x)\tf'(x)", "2\t2\t0"}));
  list.Clear();
  AddValueTableLines(list, "X", "1", 0, 0.1, 0, {});
  EXPECT_EQ(list.Count(), 3u + 3u);  // 0, 0.05, 0.1 (up to rounding of the additions)

  // Failed evaluations show 0.
  list.Clear();
  AddValueTableLines(list, "INT(X)", "LN(X)", -1, -1, 1, {});
  EXPECT_EQ(list[3], "-1\t0\t0");
}

TEST(ValueTableTest, RowsAreCappedAndTheCutIsSaid) {
  ResultList list;
  AddValueTableLines(list, "X", "1", 0, 10000, 0.25, {});
  ASSERT_EQ(list.Count(), 3 + kMaxValueTableRows + 1);
  EXPECT_EQ(list[3 + kMaxValueTableRows - 1], "2499,75\t2499,75\t1");
  EXPECT_EQ(list.Lines().back(), "Value table cut after 10000 of 40001 rows");

  // Exactly at the cap: no cut line.
  list.Clear();
  AddValueTableLines(list, "X", "1", 1, 10000, 1, {});
  EXPECT_EQ(list.Count(), 3 + kMaxValueTableRows);

  // A step too small to move x would never end.
  list.Clear();
  AddValueTableLines(list, "X", "1", 1e9, 2e9, 1e-9, {});
  ASSERT_EQ(list.Count(), 3 + kMaxValueTableRows + 1);
  EXPECT_EQ(list.Lines().back().rfind("Value table cut after 10000 of ", 0), 0u);
}

TEST(ResultLinesTest, Texts) {
  EXPECT_EQ(N(1.5), "1,5");
  EXPECT_EQ(N(-0.004), "0");
  EXPECT_EQ(ZeroLine(1.41421356), "\t1,41");
  EXPECT_EQ(ExtremumLine(1, -2, true), "\tMinimum\t(1;-2)");
  EXPECT_EQ(ExtremumLine(-1, 2, false), "\tMaximum\t(-1;2)");
  EXPECT_EQ(PointLine(0.375, 0.38), "\t(0,38;0,38)");
}

TEST(ResultMemoTest, ScrollBarRule) {
  EXPECT_EQ(ResultMemoRows(598, 8), 46);
  EXPECT_TRUE(ResultMemoNeedsScrollBar(598, 8, 47));
  EXPECT_FALSE(ResultMemoNeedsScrollBar(598, 8, 46));
}

}  // namespace
}  // namespace plotwerk::plot

namespace plotwerk::plot {
namespace {

// No line of the list depends on the view, and views far off or tiny must draw every mark,
// hatch line and curve without converting an out-of-range value to a pixel.
TEST_F(ResultListTest, ListIsTheSameForAdversarialViews) {
  for (bool* box : {&controls.zeros, &controls.extrema, &controls.inflections,
                    &controls.inflection_tangents, &controls.intersections, &controls.show_points,
                    &controls.integral, &controls.antiderivative, &controls.point_a,
                    &controls.point_b, &controls.tangent, &controls.normal, &controls.secant}) {
    *box = true;
  }
  controls.f2_plotted = true;
  const Lines reference = Draw();
  for (const PlotView& view : {PlotView{-1e9, -1e9 + 1e-6, -1e-6, 1e-6}, PlotView{1e9, 2e9, -1, 1},
                               PlotView{-1e-9, 1e-9, -1e9, 1e9}, PlotView{-6, 6, 1e300, 1.1e300}}) {
    plotter.SetView(view);
    plotter.Redraw(canvas, 606, 597, controls);
    EXPECT_EQ(plotter.Results().Lines(), reference);
  }
}

}  // namespace
}  // namespace plotwerk::plot
