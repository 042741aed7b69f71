// The school reading of terms (values worked out by hand), the "read as" text, the rewriting of
// version-1 terms, number literals, and random terms checked against the older evaluator's values.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fktint/decimal.h"
#include "fktint/term_reader.h"
#include "tests/fktint/eval_cases.h"

namespace plotwerk::fktint::testing {
namespace {

TEST(SchoolReading, RuleTable) {
  const struct {
    const char* term;
    double x;
    double value;  // by hand, with P = 2 and Q = 0,5
  } cases[] = {
      // A minus applies after the powers that follow it.
      {"-X^2", 3, -9},      {"2+-X^2", 3, -7},        {"X*-X^2", 3, -27},
      {"(-2^2)", 0, -4},    {"(-X^2)", 3, -9},        {"2^-X^2", 1, 0.5},
      {"EXP(-(X-1)^2)", 1, 1},                        {"SQRT(-COS(X)^2+1)", 0, 0},
      // "^" groups from the right.
      {"2^3^2", 0, 512},    {"X^2^3", 2, 256},        {"(2^3)^2", 0, 64},
      // Implicit products at the priority of "*".
      {"2X", 3, 6},         {"2X^2", 3, 18},          {"2(X+1)", 3, 8},
      {"(X+1)(X-1)", 3, 8}, {"(X+1)X", 3, 12},        {"X(X+1)", 3, 12},
      {"3SIN(X)", 0, 0},    {"XSIN(X)", 0, 0},        {"2PI", 0, 2 * kPi},
      {"PX", 3, 6},         {"1/2X", 3, 1.5},         {"2 X", 3, 6},
      {"0,5X^2", 2, 2},     {"PX^2", 3, 18},          {"2PX^2", 1, 4},
      {"QX", 4, 2},         {"-2X", 3, -6},
      // E is Euler's number unless a letter or "(" follows.
      {"E", 0, kE},         {"E^X", 1, kE},           {"2*E", 0, 2 * kE},
      {"XE", 1, kE},        {"E(0)", 0, 1},           {"\xC9", 0, kE},
      {"EXP(1)-E", 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const TermValue result = EvaluateTerm(c.term, c.x, 2, 0.5);
    EXPECT_EQ(result.code, kEvalOk);
    EXPECT_NEAR(result.value, c.value, 1e-12 * std::max(1.0, std::fabs(c.value)));
  }
  for (const char* unreadable : {"X2", "1E3", "2E", "1E-3", "2E+1", ")X", "X(", "2|X|"}) {
    EXPECT_EQ(EvaluateTerm(unreadable, 1, 2, 0.5).code, kEvalUnreadable) << unreadable;
  }
}

TEST(SchoolReading, ReadAsWritesEveryImplicitProduct) {
  const struct { const char* term; const char* read_as; } cases[] = {
      {"2PX^2", "2*P*X^2"},        {"(X+1)(X-1)", "(X+1)*(X-1)"}, {"0,5 X", "0,5*X"},
      {"3SIN(X)COS(X)", "3*SIN(X)*COS(X)"}, {"XE", "X*E"},       {"2*X", ""},
      {"SIN(2X", "SIN(2*X"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term);
    const TermCheck check = CheckTerm(c.term);
    ASSERT_TRUE(check.ok());
    EXPECT_EQ(check.read_as, c.read_as);
    if (!check.read_as.empty()) {
      // The written-out text reads the same.
      EXPECT_EQ(EvaluateTerm(check.read_as, 1.25, 2, 3).value, EvaluateTerm(c.term, 1.25, 2, 3).value);
    }
  }
}

TEST(Version1Terms, RewrittenToKeepTheirMeaning) {
  const struct { const char* old_term; const char* rewritten; } cases[] = {
      {"2+-X^2", "2+(-X)^2"},       {"2^3^2", "(2^3)^2"},        {"X*-X^2", "X*(-X)^2"},
      {"(-2^2)", "((-2)^2)"},       {"2^-X^2", "(2^-X)^2"},      {"X^2^3^2", "((X^2)^3)^2"},
      {"EXP(-SIN(X)^2)", "EXP((-SIN(X))^2)"},                    {"-X^2", "-X^2"},
      {"(-X^2)", "(-X^2)"},         {"( - X ^ 2)", "( - X ^ 2)"}, {"X^2+1", "X^2+1"},
      {"2 + - X ^ 2", "2 + (- X) ^ 2"},                          {"2X", "2X"},
      {"X)*2", "X)*2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.old_term);
    EXPECT_EQ(RewriteVersion1Term(c.old_term), c.rewritten);
  }
}

TEST(Decimal, CorrectlyRoundedWithoutExponent) {
  const struct { const char* text; double value; } cases[] = {
      {"0", 0},     {"1.5", 1.5},  {"1,5", 1.5},  {".5", 0.5},   {"5.", 5},   {"007", 7},
      {"0.1", 0.1}, {"3.14159265358979323846", 3.141592653589793},
      {"123456789012345678901234567890", 1.2345678901234568e29},
      {"0.30000000000000001666", 0.30000000000000004},  // just above halfway: up
      {"0.30000000000000001665", 0.3},                  // just below halfway: down
      {"9007199254740993", 9007199254740992},           // halfway: to even
      {"0.000000000000000000000000001", 1e-27},
  };
  for (const auto& c : cases) {
    double value = -1;
    EXPECT_TRUE(ParseDecimal(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  double value = 0;
  EXPECT_TRUE(ParseDecimal(std::string(400, '9'), value));
  EXPECT_EQ(value, HUGE_VAL);
  for (const char* bad : {"", ".", "1.2.3", "1,2.3", "1E3", "-1", "+1", " 1", "0x10", "inf"}) {
    EXPECT_FALSE(ParseDecimal(bad, value)) << bad;
  }
}

// One line of the recorded table: a version-1 term and the older evaluator's outcome at each X.
struct RecordedTerm {
  std::string term;
  struct Outcome {
    std::uint8_t code = kEvalOk;
    bool compared = false;  // false where the value is not compared (a failure code or NaN)
    double value = 0;
  };
  std::array<Outcome, 4> at;
};

constexpr std::array<double, 4> kRecordedX = {-2.5, 0.0, 0.75, 3.0};
constexpr double kRecordedP = 1.5;
constexpr double kRecordedQ = -0.5;

// The term with its \xHH escapes turned back into bytes.
std::string Unescaped(std::string_view text) {
  std::string term;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
      unsigned byte = 0;
      std::from_chars(text.data() + i + 2, text.data() + i + 4, byte, 16);
      term += static_cast<char>(byte);
      i += 3;
    } else {
      term += text[i];
    }
  }
  return term;
}

// Reads one outcome, "code value" or "code -"; false on a malformed entry.
bool ReadOutcome(std::string_view text, RecordedTerm::Outcome& outcome) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  unsigned code = 0;
  if (std::from_chars(text.data(), text.data() + blank, code).ec != std::errc()) return false;
  outcome.code = static_cast<std::uint8_t>(code);
  const std::string_view value = text.substr(blank + 1);
  outcome.compared = value != "-";
  if (!outcome.compared) return true;
  return std::from_chars(value.data(), value.data() + value.size(), outcome.value).ec == std::errc();
}

std::vector<RecordedTerm> ReadRecordedTable(const char* path) {
  std::vector<RecordedTerm> table;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    RecordedTerm entry;
    std::size_t field_end = line.find('\t');
    entry.term = Unescaped(std::string_view(line).substr(0, field_end));
    for (RecordedTerm::Outcome& outcome : entry.at) {
      if (field_end == std::string::npos) return {};
      const std::size_t begin = field_end + 1;
      field_end = line.find('\t', begin);
      if (!ReadOutcome(std::string_view(line).substr(begin, field_end - begin), outcome)) return {};
    }
    table.push_back(std::move(entry));
  }
  return table;
}

// Random version-1 terms with the older evaluator's values and codes, recorded once: terms that
// read alike under both readings keep them; terms that read differently keep them once rewritten.
TEST(DifferentialTest, AgreesWithTheOlderEvaluator) {
  const std::vector<RecordedTerm> table = ReadRecordedTable(PLOTWERK_EVALUATOR_TABLE_PATH);
  ASSERT_EQ(table.size(), 4353u);
  int unchanged = 0;
  int rewritten = 0;
  for (const RecordedTerm& recorded : table) {
    const std::string& term = recorded.term;
    ASSERT_TRUE(ReadTerm(term, TermRules::kVersion1).ok()) << term;
    const std::string now = RewriteVersion1Term(term);
    (now == term ? unchanged : rewritten)++;
    for (std::size_t i = 0; i < kRecordedX.size(); ++i) {
      const double x = kRecordedX[i];
      const TermValue result = EvaluateTerm(now, x, kRecordedP, kRecordedQ);
      ASSERT_EQ(result.code, recorded.at[i].code) << term << " as " << now << " at " << x;
      // The guards of a failed step give 1e10 of either sign; such values are never used.
      if (!recorded.at[i].compared) continue;
      ASSERT_EQ(result.value, recorded.at[i].value) << term << " as " << now << " at " << x;
    }
  }
  EXPECT_EQ(unchanged, 2500);
  EXPECT_EQ(rewritten, 1853);
}

}  // namespace
}  // namespace plotwerk::fktint::testing
