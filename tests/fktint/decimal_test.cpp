// The portable decimal reader: rounding as the C library rounds, and the edges of the double range.
#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

#include "fktint/decimal.h"

namespace plotwerk::fktint {
namespace {

TEST(ParseDecimal, RoundsAsTheCLibraryDoes) {
  const char* texts[] = {"0", "1", "0.1", ".5", "5.", "3.14159265358979323846264338327950288",
                         "123456789012345678901234567890", "0.000000000000000000000000001234",
                         "9007199254740993", "2.2250738585072014", "179769313486231570000000000000000000000000000"};
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    const double expected = std::strtod(text, nullptr);  // the tests run in the C locale
    double value = -1;
    EXPECT_TRUE(ParseDecimal(text, value));
    EXPECT_EQ(value, expected);
  }
}

TEST(ParseDecimal, RangeAndSyntax) {
  const std::string huge = "1" + std::string(400, '0');
  const std::string tiny = "0." + std::string(400, '0') + "1";
  const struct { std::string text; bool readable; double value; } cases[] = {
      {huge, true, std::numeric_limits<double>::infinity()},
      {tiny, true, 0},
      {"0.000", true, 0},
      {"1,5", true, 1.5},  // the decimal comma
      {"", false, -1},
      {".", false, -1},
      {"1.2.3", false, -1},
      {"1,2,3", false, -1},
      {"-1", false, -1},
      {"1E3", false, -1},
      {" 1", false, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    double value = -1;  // left alone when the text does not read
    EXPECT_EQ(ParseDecimal(c.text, value), c.readable);
    EXPECT_EQ(value, c.value);
  }
}

}  // namespace
}  // namespace plotwerk::fktint
