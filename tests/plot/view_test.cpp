// Mapping and rounding, the basic setting, the term and result lists, clipping and the
// control name table.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/clip.h"
#include "plot/controls_names.h"
#include "plot/result_list.h"
#include "plot/term_list.h"
#include "plot/view.h"

namespace plotwerk::plot {
namespace {

TEST(RoundHalfEven, RoundsTiesToEvenAndEverythingElseToNearest) {
  const struct {
    double in;
    std::int32_t out;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {1.49999, 1},
               {1.50001, 2}, {-1.2, -1}, {-1.7, -2}, {298.5, 298}, {454.5, 454}, {2147483646.4, 2147483646}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(RoundHalfEven(c.in), c.out);
  }
}

TEST(InPixelRange, IsStrictAtBothLimits) {
  EXPECT_FALSE(InPixelRange(2147483647.0));
  EXPECT_FALSE(InPixelRange(-2147483647.0));
  EXPECT_TRUE(InPixelRange(2147483646.9999));
  EXPECT_TRUE(InPixelRange(-2147483646.9999));
  EXPECT_FALSE(InPixelRange(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(InPixelRange(std::numeric_limits<double>::infinity()));
}

TEST(ScreenMapping, BasicSettingOn606x597) {
  const ScreenMapping m = ScreenMapping::Compute(BasicSetting(606, 597), 606, 597);
  EXPECT_DOUBLE_EQ(m.x_scale, 50.5);
  EXPECT_NEAR(m.y_scale, 50.5, 1e-9);
  EXPECT_EQ(m.origin_x, 303);
  EXPECT_EQ(m.origin_y, 298);  // 298.5 rounds to even
  EXPECT_EQ(m.width, 606);
  EXPECT_EQ(m.height, 597);
  EXPECT_DOUBLE_EQ(m.PixelToWorldX(m.origin_x), 0.0);
  EXPECT_DOUBLE_EQ(m.PixelToWorldX(0), -6.0);
  EXPECT_DOUBLE_EQ(m.WorldToPixelX(1), 353.5);
  EXPECT_DOUBLE_EQ(m.WorldToPixelY(1), 298 - m.y_scale);
}

TEST(ScreenMapping, OriginAtOrLeftOfTheArea) {
  const ScreenMapping at_edge = ScreenMapping::Compute({0, 10, -5, 5}, 500, 500);
  EXPECT_EQ(at_edge.origin_x, 0);
  const ScreenMapping right = ScreenMapping::Compute({2, 12, -5, 5}, 500, 500);
  EXPECT_EQ(right.origin_x, -100);
  EXPECT_DOUBLE_EQ(right.PixelToWorldX(0), 2.0);
  EXPECT_DOUBLE_EQ(right.WorldToPixelX(12), 500.0);
}

TEST(ScreenMapping, ViewFarFromTheOriginKeepsExactWorldCoordinates) {
  // The origin lies about 8.5e14 pixels away, beyond 32 bits; sampling must still find x.
  const ScreenMapping m = ScreenMapping::Compute({1e9, 1e9 + 1e-3, -1, 1}, 846, 597);
  EXPECT_LT(m.origin_x, -(1 << 29));
  EXPECT_NEAR(m.PixelToWorldX(0), 1e9, 1e-6);
  EXPECT_NEAR(m.PixelToWorldX(846), 1e9 + 1e-3, 1e-6);
}

TEST(PlotView, ValidityAndBasicSetting) {
  EXPECT_TRUE(IsValidView({-6, 6, -5, 5}));
  EXPECT_FALSE(IsValidView({1, 1, -5, 5}));
  EXPECT_FALSE(IsValidView({2, 1, -5, 5}));
  EXPECT_FALSE(IsValidView({-6, 6, std::nan(""), 5}));
  EXPECT_FALSE(IsValidView({-1e308, 1e308, -1, 1}));  // the span overflows
  const PlotView v = BasicSetting(846, 597);
  EXPECT_DOUBLE_EQ(v.x_min, -6);
  EXPECT_DOUBLE_EQ(v.y_max, 6.0 * 597 / 846);
  EXPECT_DOUBLE_EQ(v.y_min, -v.y_max);
}

TEST(TermList, RecordsTheFieldOfEachTermAndClears) {
  TermList list;
  list.Add("X", 3);
  list.Add("X^2");  // no field given: the field of its position
  EXPECT_EQ(list.Terms(), (std::vector<std::string>{"X", "X^2"}));
  EXPECT_EQ(list.Fields(), (std::vector<int>{3, 2}));
  list.Clear();
  EXPECT_EQ(list.Size(), 0u);
  EXPECT_TRUE(list.Fields().empty());
}

TEST(ResultList, AddsCountsAndClears) {
  ResultList list;
  list.Add("a");
  list.Add("b");
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list[1], "b");
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
}

TEST(Clip, SegmentsAreCutToTheRectangle) {
  const ClipRect r{0, 0, 100, 100};
  RealPoint a{-1e12, 50}, b{1e12, 50};
  ASSERT_TRUE(ClipSegment(a, b, r));
  EXPECT_DOUBLE_EQ(a.x, 0);
  EXPECT_DOUBLE_EQ(b.x, 100);
  RealPoint c{-10, -10}, d{-5, 200};
  EXPECT_FALSE(ClipSegment(c, d, r));
  RealPoint e{10, 10}, f{20, 30};
  ASSERT_TRUE(ClipSegment(e, f, r));
  EXPECT_DOUBLE_EQ(f.y, 30);  // inside: untouched
}

TEST(Clip, PolygonIsCutToTheRectangle) {
  const auto out = ClipPolygon({{-2e9, -2e9}, {2e9, -2e9}, {0, 2e9}}, {0, 0, 10, 10});
  ASSERT_EQ(out.size(), 4u);
  for (const RealPoint& p : out) {
    EXPECT_GE(p.x, 0);
    EXPECT_LE(p.x, 10);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.y, 10);
  }
  EXPECT_TRUE(ClipPolygon({{20, 20}, {30, 20}, {30, 30}}, {0, 0, 10, 10}).empty());
}

TEST(ControlNames, DefaultsAreTheWindowsStartValues) {
  const Controls c;
  std::string v;
  ASSERT_TRUE(GetControl(c, "ed_f1", &v));
  EXPECT_EQ(v, "X*SIN(X+P)");
  ASSERT_TRUE(GetControl(c, "c_f3", &v));
  EXPECT_EQ(v, "1");
  ASSERT_TRUE(GetControl(c, "m_mmraster", &v));
  EXPECT_EQ(v, "0");
  ASSERT_TRUE(GetControl(c, "UpDown1", &v));
  EXPECT_EQ(v, "1");
}

TEST(ControlNames, EveryListedNameReadsAndSetsItsOwnMember) {
  for (const ControlInfo& info : ControlTable()) {
    SCOPED_TRACE(info.key);
    Controls c;
    const std::string value = info.kind == ControlKind::Text ? "7" : info.kind == ControlKind::Number ? "5" : "1";
    std::string error;
    ASSERT_TRUE(SetControl(c, info.key, value, &error)) << error;
    std::string back;
    ASSERT_TRUE(GetControl(c, info.key, &back));
    EXPECT_EQ(back, value);
    EXPECT_NE(ControlNamesList().find(info.key), std::string::npos);
  }
}

TEST(ControlNames, SetsEveryKindAndRejectsBadInput) {
  Controls c;
  std::string error;
  EXPECT_TRUE(SetControl(c, "ed_f2", "1/X", &error));
  EXPECT_EQ(c.f2_term, "1/X");
  EXPECT_TRUE(SetControl(c, "m_raster", "0", &error));
  EXPECT_FALSE(c.grid);
  EXPECT_TRUE(SetControl(c, "ed_breite", "4", &error));
  EXPECT_EQ(c.graph_width, 4);
  EXPECT_TRUE(SetControl(c, "ed_breite", "9", &error));
  EXPECT_EQ(c.graph_width, 6);  // the stepper stops at its range
  EXPECT_TRUE(SetControl(c, "UpDown1", "-3", &error));
  EXPECT_EQ(c.graph_width, -3);
  EXPECT_TRUE(SetControl(c, "rb_punktB", "1", &error));
  EXPECT_TRUE(c.animate_point_b);
  EXPECT_FALSE(c.animate_parameter);  // one group

  EXPECT_FALSE(SetControl(c, "c_f2", "yes", &error));
  EXPECT_NE(error.find("0 or 1"), std::string::npos);
  EXPECT_FALSE(SetControl(c, "UpDown1", "2.5", &error));
  EXPECT_FALSE(SetControl(c, "no_such", "1", &error));
  EXPECT_NE(error.find("ed_f1"), std::string::npos);  // names the valid ones
  EXPECT_NE(error.find("Umkehrkurvezuf1x1"), std::string::npos);
}

}  // namespace
}  // namespace plotwerk::plot
