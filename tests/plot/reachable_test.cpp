// The edges of what typing reaches (the worksheet tests name every refusal; the capitals are
// checked through the window's fields in the ui tests).
#include "plot/reachable.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwerk::plot {
namespace {

TEST(Reachable, EdgesOfFieldsGraphWidthAndViews) {
  std::string longest(kMaxFieldLength, 'x');
  EXPECT_TRUE(AsTypedFieldText(longest, nullptr));
  EXPECT_EQ(longest, std::string(kMaxFieldLength, 'X'));
  std::string too_long(kMaxFieldLength + 1, 'X');
  EXPECT_FALSE(AsTypedFieldText(too_long, nullptr));

  EXPECT_TRUE(IsReachable(Controls{}, nullptr));
  Controls c;
  c.graph_width_text = " +5 ";  // the stepper reads its field as the window does
  EXPECT_FALSE(IsReachable(c, nullptr));
  FollowGraphWidthField(c);
  EXPECT_EQ(c.graph_width, 5);
  EXPECT_TRUE(IsReachable(c, nullptr));
  c.graph_width_text = "7";  // beyond the stepper: it keeps its position
  FollowGraphWidthField(c);
  EXPECT_EQ(c.graph_width, 5);
  EXPECT_TRUE(IsReachable(c, nullptr));

  EXPECT_TRUE(IsReachableView({1e15 - 1, 1e15, -1e15, -1e15 + 0.125}, nullptr));
  EXPECT_TRUE(IsReachableView({0, 1e-6, 0, 1}, nullptr));
  EXPECT_FALSE(IsReachableView({1e15 - 1, 1.0000000001e15, 0, 1}, nullptr));
  EXPECT_FALSE(IsReachableView({0, 1, 0, 0.9e-6}, nullptr));
}

}  // namespace
}  // namespace plotwerk::plot
