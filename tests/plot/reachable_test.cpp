// What typing reaches: field text as the fields take it, consistent controls, sane views.
#include "plot/reachable.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

namespace plotwerk::plot {
namespace {

TEST(Reachable, FieldTextIsUpperCasedAsTypedAndControlCharactersAreRefused) {
  const struct {
    std::string in;
    bool ok;
    std::string out;
  } cases[] = {
      {"x*sin(x+p)", true, "X*SIN(X+P)"},
      {"\xE0\xF7\xFF\xB5\xDF", true, "\xC0\xF7\xFF\xB5\xDF"},  // à÷ÿµß: only à has a Latin-1 capital
      {"1\t2", false, ""},
      {"\x7F", false, ""},
      {"\x80", false, ""},  // C1 controls are not typed either
      {std::string(kMaxFieldLength, 'X'), true, std::string(kMaxFieldLength, 'X')},
      {std::string(kMaxFieldLength + 1, 'X'), false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in.substr(0, 12));
    std::string text = c.in;
    std::string error;
    EXPECT_EQ(AsTypedFieldText(text, &error), c.ok) << error;
    if (c.ok) {
      EXPECT_EQ(text, c.out);
    }
  }
}

TEST(Reachable, ControlsTypingCannotReachAreNamed) {
  EXPECT_TRUE(IsReachable(Controls{}, nullptr));
  const struct {
    const char* what;
    std::function<void(Controls&)> change;
    const char* named;
  } cases[] = {
      {"lower case", [](Controls& c) { c.ed_q = "p"; }, "ed_q"},
      {"width beyond the stepper", [](Controls& c) { c.ed_breite = "X", c.UpDown1 = 7; }, "UpDown1"},
      {"width other than its field", [](Controls& c) { c.UpDown1 = 2; }, "UpDown1"},
      {"no radio button", [](Controls& c) { c.rb_parameter = false; }, "rb_punkta"},
      {"two radio buttons", [](Controls& c) { c.rb_punktB = true; }, "rb_punkta"},
      {"memo without its check box", [](Controls& c) { c.Mergebnis_visible = true; }, "Mergebnis_visible"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Controls controls;
    c.change(controls);
    std::string error;
    EXPECT_FALSE(IsReachable(controls, &error));
    EXPECT_NE(error.find(c.named), std::string::npos) << error;
  }
  Controls wide;
  wide.ed_breite = " +5 ";
  FollowGraphWidthField(wide);
  EXPECT_EQ(wide.UpDown1, 5);
  EXPECT_TRUE(IsReachable(wide, nullptr));
}

TEST(Reachable, ViewsWithinNavigationsReachAreAccepted) {
  EXPECT_TRUE(IsReachableView({-6, 6, -4.2, 4.2}, nullptr));
  EXPECT_TRUE(IsReachableView({1e15 - 1, 1e15, 0, 1e-6}, nullptr));
  EXPECT_FALSE(IsReachableView({-1e300, 1e300, -1, 1}, nullptr));
  EXPECT_FALSE(IsReachableView({0, 1, 0, 1e-7}, nullptr));
  EXPECT_FALSE(IsReachableView({1, 0, 0, 1}, nullptr));
  EXPECT_FALSE(IsReachableView({0, 1, 0, std::numeric_limits<double>::quiet_NaN()}, nullptr));
}

}  // namespace
}  // namespace plotwerk::plot
