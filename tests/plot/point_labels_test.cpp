// Point labels and the choice of the analysed term, through a whole redraw. The expected
// coordinates were worked out by hand (x^3-12x: zeros 0 and ±2·√3 = ±3.464, extrema at ∓2).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "plot/plotter.h"
#include "plot/point_labels.h"
#include "plot/testing/recording_canvas.h"
#include "plot/texts.h"

namespace plotwerk::plot {
namespace {

constexpr int kWidth = kDefaultAreaWidth;
constexpr int kHeight = kDefaultAreaHeight;

using testing::CallKind;
using testing::CanvasCall;
using testing::RecordingCanvas;

struct LabelRun {
  Plotter plotter;
  RecordingCanvas canvas;
  Captions captions;  // as the last Draw wrote them
};

void Draw(LabelRun& run, const Controls& c, const PlotView* view = nullptr) {
  run.plotter.ApplyBasicSetting(kWidth, kHeight);
  if (view != nullptr) run.plotter.SetView(*view);
  run.plotter.DrawCommand(c);
  run.canvas.ClearCalls();
  run.captions = run.plotter.Redraw(run.canvas, kWidth, kHeight, c).captions;
}

Controls AllSearches(const std::string& f1) {
  Controls c;
  c.f1_term = f1;
  c.zeros = c.extrema = c.inflections = true;
  c.point_labels = true;
  return c;
}

// The German school names, as the window's catalogue gives them.
std::string German(std::string_view english) {
  const std::pair<std::string_view, std::string_view> table[] = {
      {"Z%1", "N%1"}, {"Max%1", "H%1"}, {"Min%1", "T%1"}, {"I%1", "W%1"}, {"X%1", "S%1"}, {"%1(%2; %3)", "%1(%2|%3)"}};
  for (const auto& [en, de] : table) {
    if (english == en) return std::string(de);
  }
  return std::string(english);
}

TEST(PointLabels, NamesAndCoordinatesInBothLanguages) {
  struct Case {
    TextCatalogue catalogue;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {nullptr, {"Z1(-3,46; 0)", "Z2(0; 0)", "Z3(3,46; 0)", "Max(-2; 16)", "Min(2; -16)", "I(0; 0)"}},
      {&German, {"N1(-3,46|0)", "N2(0|0)", "N3(3,46|0)", "H(-2|16)", "T(2|-16)", "W(0|0)"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.expected.front());
    SetTextCatalogue(k.catalogue);
    LabelRun run;
    Controls c = AllSearches("X^3-12*X");
    c.interval_from = "-5";
    c.interval_to = "5";
    const PlotView tall{-6, 6, -20, 20};
    Draw(run, c, &tall);
    SetTextCatalogue(nullptr);
    for (const std::string& label : k.expected) EXPECT_EQ(run.canvas.TextsEqual(label).size(), 1u) << label;
  }
}

TEST(PointLabels, OffByDefaultAndKeptApartOnTheArea) {
  LabelRun run;
  Controls c = AllSearches("X^3-12*X");
  c.point_labels = false;
  const PlotView tall{-6, 6, -20, 20};
  Draw(run, c, &tall);
  EXPECT_TRUE(run.canvas.TextsEqual("Max(-2; 16)").empty());

  // Five zeros half a unit apart (about 35 pixels): their labels are wider than that and still
  // do not overlap, and stay on the area.
  std::vector<MarkedPoint> points;
  for (const double x : {-1.0, -0.5, 0.0, 0.5, 1.0}) {
    points.push_back({PointKind::Zero, x, 0, run.plotter.Mapping().WorldToPixelX(x), run.plotter.Mapping().origin_y_real});
  }
  // A zero left of the area has no mark and gets no label.
  points.push_back({PointKind::Zero, -20, 0, run.plotter.Mapping().WorldToPixelX(-20), run.plotter.Mapping().origin_y_real});
  const std::vector<PlacedLabel> placed = PlacePointLabels(run.canvas, run.plotter.Mapping(), points, {});
  points.pop_back();
  ASSERT_EQ(placed.size(), points.size());
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const TextSize a = run.canvas.TextExtent(placed[i].text);
    EXPECT_GE(placed[i].x, 0);
    EXPECT_LE(placed[i].x + a.width, kWidth);
    for (std::size_t j = 0; j < i; ++j) {
      const TextSize b = run.canvas.TextExtent(placed[j].text);
      const bool apart = placed[i].x + a.width <= placed[j].x || placed[j].x + b.width <= placed[i].x ||
                         placed[i].y + a.height <= placed[j].y || placed[j].y + b.height <= placed[i].y;
      EXPECT_TRUE(apart) << placed[i].text << " on " << placed[j].text;
    }
  }
}

// The columns of the marks drawn with the given brush colour.
std::vector<int> MarkColumns(const RecordingCanvas& canvas) {
  std::vector<int> out;
  for (const CanvasCall& e : canvas.Calls(CallKind::Ellipse)) out.push_back(e.a.x + 4);
  return out;
}

TEST(AnalysedTerm, EverySearchMarkAndConstructionFollowsTheChoice) {
  struct Case {
    int choice;
    std::vector<double> zeros;  // where the zero marks stand
    std::string label_a;        // y of A at x = 3
    std::string heading;
  };
  // f1 = X^2-4 (zeros ±2), f2 = X-1 (zero 1), f3 = 2*X (zero 0), f4 not drawn.
  const Case cases[] = {
      {0, {-2, 2}, "; 5 )", "Intersection points between f1 and f2"},
      {1, {-2, 2}, "; 5 )", "Intersection points between f1 and f2"},
      {2, {1}, "; 2 )", "Intersection points between f2 and f1"},
      {3, {0}, "; 6 )", "Intersection points between f3 and f2"},
      {4, {}, ";       )", ""},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.choice);
    LabelRun run;
    Controls c;
    c.f1_term = "X^2-4";
    c.f2_term = "X-1";
    c.f3_term = "2*X";
    c.f2_plotted = true;
    c.zeros = c.intersections = c.point_a = true;
    c.point_a_x = "3";
    c.analysed_term = k.choice;
    Draw(run, c);
    std::vector<int> expected;
    for (const double x : k.zeros) expected.push_back(RoundHalfEven(run.plotter.Mapping().WorldToPixelX(x)));
    const std::vector<int> marks = MarkColumns(run.canvas);
    // Zero marks first, then the intersections, then A.
    ASSERT_GE(marks.size(), expected.size());
    EXPECT_EQ(std::vector<int>(marks.begin(), marks.begin() + static_cast<long>(expected.size())), expected);
    ShownCaptions shown;  // as the window shows them after this picture
    shown.Update(run.captions);
    EXPECT_EQ(shown.point_a_y, k.label_a);
    const auto& lines = run.plotter.Results().Lines();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), k.heading) != lines.end(), !k.heading.empty());
  }
}

}  // namespace
}  // namespace plotwerk::plot
