// Number fields and number formatting: reading constant terms, the display text, and the round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::fktint {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberField, ReadsConstantTerms) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"2,5", 2.5},  {"2.5", 2.5},   {"pi", 3.141592653589793},
      {"x", 1},      {"2*P", 2.5},   {"sqrt(2)", std::sqrt(2.0)},
      {"1/3", 1.0 / 3}, {"-4", -4},  {"SGN(-3)", -1},
      {" 7 ", 7},    {"-12345678901234", -12345678901234.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(ReadNumberField(c.text, 1.25, 0), c.value);
  }
}

TEST(NumberField, AnyCodeReadsAsZero) {
  for (const char* text : {"", "abc", "1E3", "INT(2.5)", "1/0", "EXP(60)", "LN(0)", "1,2,3", "X)*2",
                           "HEAVISIDE(1)", "20000000000"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadNumberField(text, 0, 0), 0.0);
    EXPECT_NE(EvaluateNumberField(text, 0, 0).code, kEvalOk);  // the code of the evaluation
  }
}

TEST(NumberField, LongTextAndNonFiniteParameter) {
  EXPECT_EQ(ReadNumberField(std::string(5000, '1') + "+", 0, 0), 0.0);
  EXPECT_EQ(ReadNumberField("1" + std::string(300, ' ') + "+1", 0, 0), 2.0);
  EXPECT_EQ(ReadNumberField("P", kNaN, 0), 0.0);
  EXPECT_EQ(ReadNumberField("P", -kInf, 0), 0.0);
  EXPECT_EQ(ReadNumberField("Q", 0, kNaN), 0.0);
}

struct FormatCase {
  unsigned width;
  unsigned decimals;
  double value;
  const char* text;
};

void ExpectFormats(std::initializer_list<FormatCase> cases) {
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + ", " + std::to_string(c.decimals) + ", " +
                 std::to_string(c.value));
    EXPECT_EQ(FormatNumber(c.width, c.decimals, c.value), c.text);
  }
}

TEST(FormatNumber, DecimalCommaWithoutTrailingZeros) {
  ExpectFormats({
      {1, 2, 2.5, "2,5"}, {1, 2, 3, "3"}, {1, 2, 100, "100"}, {1, 2, -1.5, "-1,5"},
      {1, 2, -0.001, "0"}, {1, 2, 0.004, "0"}, {4, 3, 0.25, "0,25"}, {1, 0, 100, "100"},
      {1, 0, -0.3, "0"}, {1, 4, 3.14159265, "3,1416"}, {1, 2, 0.999, "1"}, {1, 2, -9.996, "-10"},
      {1, 3, 1234567.0625, "1234567,063"},
  });
}

TEST(FormatNumber, WidthPadsBeforeZerosAreCut) {
  ExpectFormats({
      {4, 2, 0.5, "0,5"},  // "0.50" fills the width, then loses its zero
      {6, 2, 2.5, "  2,5"}, {6, 0, 42, "    42"},
      {8, 2, -0.001, "   0"},  // a padded "-0" loses its sign too
      {0, 2, 1, "1"},
  });
}

TEST(FormatNumber, ExactHalvesRoundAwayFromZero) {
  ExpectFormats({
      {1, 2, 0.125, "0,13"}, {1, 2, -0.125, "-0,13"}, {1, 2, 0.375, "0,38"}, {1, 0, 2.5, "3"},
      {1, 0, 0.5, "1"}, {1, 0, -0.5, "-1"}, {1, 1, 0.25, "0,3"},
      {1, 2, 9.995, "9,99"},  // 9.995 is not exactly a half in binary: below it
      {1, 1, 9.95, "9,9"}, {1, 1, 99.75, "99,8"}, {1, 3, 0.0625, "0,063"},
      {1, 2, 0.0625, "0,06"},  // not a half at two decimals
      {1, 0, 9.5, "10"}, {1, 0, -99.5, "-100"}, {1, 2, 1.5, "1,5"},
  });
}

TEST(FormatNumber, HugeAndNonFiniteValues) {
  ExpectFormats({
      {1, 2, 999999999999999.0, "999999999999999"}, {1, 2, 1e15, "1E+15"},
      {1, 2, 1.5e20, "1,5E+20"}, {1, 3, -2.25e300, "-2,25E+300"}, {1, 0, 1.5e20, "2E+20"},
      {1, 2, 1e300, "1E+300"}, {1, 255, 0x1p1000, "1,0715086071862673E+301"},
      {8, 2, 1e20, "   1E+20"}, {1, 2, std::numeric_limits<double>::infinity(), "inf"},
      {1, 2, -std::numeric_limits<double>::infinity(), "-inf"},
      {4, 2, std::numeric_limits<double>::quiet_NaN(), " nan"},
  });
  // The exact binary value, cut where its expansion ends.
  EXPECT_EQ(FormatNumber(1, 255, 1.0 / 3), "0,333333333333333314829616256247390992939472198486328125");
  EXPECT_EQ(FormatNumber(1, 1000, 0.5), "0,5");  // decimals beyond a byte are capped
  EXPECT_EQ(FormatNumber(1, 255, 5e-324), "0");
}

TEST(FormatNumber, RoundTripsThroughNumberField) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> exponent(-8, 10);
  for (int i = 0; i < 4000; ++i) {
    const double sign = (i % 2) ? -1 : 1;
    const double value = sign * std::pow(10.0, exponent(random));
    const unsigned decimals = static_cast<unsigned>(i % 7);
    const std::string text = FormatNumber(1, decimals, value);
    SCOPED_TRACE(text);
    const TermValue read_back = EvaluateNumberField(text, 0, 0);
    EXPECT_EQ(read_back.code, kEvalOk);
    const double read = read_back.value;
    EXPECT_LE(std::fabs(read - value), 0.5 * std::pow(10.0, -double(decimals)) * (1 + 1e-9) +
                                           std::fabs(value) * 1e-15);
  }
}

}  // namespace
}  // namespace plotwerk::fktint
