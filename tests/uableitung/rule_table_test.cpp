// The shipped rewrite table, its embedding, the checks of its properties and the application
// guards.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/embedded_resources.h"
#include "uableitung/rule_table_check.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

std::string ShippedTable() {
  std::ifstream in(PLOTWERK_RULE_TABLE_PATH, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(RuleTable, ShippedTableHasEveryStatedProperty) {
  const std::string text = ShippedTable();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(CheckRuleTable(text), std::vector<std::string>{});
  const std::vector<std::string> lines = SplitRuleLines(text);
  ASSERT_EQ(lines.size(), 910u);
  for (std::size_t i = 0; i < kTellingRowCount; ++i) {
    const TellingRow& row = kTellingRows[i];
    EXPECT_EQ(lines[2 * row.pair - 2], row.pattern);
    EXPECT_EQ(lines[2 * row.pair - 1], row.replacement);
  }
  EXPECT_EQ(lines[2 * 455 - 2], "<4*2>");
}

TEST(RuleTable, EmbeddedStreamIsTheShippedTable) {
  const std::span<const unsigned char> packed = resources::FindResource("rewrite_rules");
  ASSERT_GE(packed.size(), 2u);
  EXPECT_EQ(packed[0], 0x78);
  EXPECT_EQ(packed[1], 0xDA);  // the best compression level
  EXPECT_EQ(resources::FindResource("ReWrItE_RuLeS").data(), packed.data());
  EXPECT_TRUE(resources::FindResource("wverei").empty());
  EXPECT_EQ(LoadRuleTableText(), ShippedTable());
  EXPECT_EQ(LoadRewriteRules().size(), 910u);
}

TEST(RuleTable, AStreamThatDoesNotInflateRaisesError) {
  const std::span<const unsigned char> packed = resources::FindResource("rewrite_rules");
  std::vector<unsigned char> truncated(packed.begin(), packed.begin() + packed.size() / 2);
  std::vector<unsigned char> garbage = {0x78, 0xDA, 0x01, 0x02, 0x03, 0x04};
  for (const auto& stream : {truncated, garbage}) {
    try {
      InflateRuleStream(stream);
      ADD_FAILURE() << "no error";
    } catch (const RuleTableError& error) {
      EXPECT_STREQ(error.what(), "error");
    }
  }
}

TEST(RuleTable, CheckFindsEveryKindOfViolation) {
  const std::string good = ShippedTable();
  auto with_line = [&](std::size_t line_index, const std::string& content) {
    std::vector<std::string> lines = SplitRuleLines(good);
    lines[line_index] = content;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
  };
  const std::size_t free_pattern = 2 * 3 - 2;  // pair 3 is not a telling row
  const struct { const char* what; std::string text; } broken[] = {
      {"LF line ends", [&] { std::string t = good; t.erase(t.find('\r'), 1); return t; }()},
      {"no final CR LF", good.substr(0, good.size() - 2)},
      {"a pair short", good.substr(0, good.rfind("<4*2>"))},
      {"lower case", with_line(free_pattern, "(x+1)")},
      {"marker inside", with_line(free_pattern, "(X<1)")},
      {"unpaired start marker", with_line(free_pattern, "<X+1)")},
      {"empty line", with_line(free_pattern + 1, "")},
      {"short pattern", with_line(free_pattern, "X+1")},
      {"long replacement", with_line(free_pattern + 1, std::string(80, 'X'))},
      {"replacement contains its pattern", with_line(free_pattern + 1, "(" + SplitRuleLines(good)[free_pattern])},
      {"telling row changed", with_line(2 * 22 - 1, "*SIN(2*X)")},
      {"pattern duplicated", with_line(free_pattern, SplitRuleLines(good)[2 * 4 - 2])},
  };
  for (const auto& b : broken) {
    SCOPED_TRACE(b.what);
    EXPECT_FALSE(CheckRuleTable(b.text).empty());
  }
}

TEST(ApplyRewriteRules, PassesShortTextsAndKeepsLongTails) {
  for (const char* text : {"", "0", "1", "2", "P"}) EXPECT_EQ(ApplyRewriteRules(text), text);
  // The first pair rewrites inside a long text without losing what follows.
  std::string tail;
  while (tail.size() < 300) tail += "+X";
  EXPECT_EQ(ApplyRuleList("Y-(4*X))" + tail, {"-(4*X))", "-4*X)"}), "Y-4*X)" + tail);
}

TEST(ApplyRewriteRules, PairsRespectTheSurroundingTerm) {
  const std::vector<std::string> fold = {"2*3*", "6*"};
  EXPECT_EQ(ApplyRuleList("2*3*X", fold), "6*X");
  EXPECT_EQ(ApplyRuleList("12*3*X", fold), "12*3*X");   // inside a number
  EXPECT_EQ(ApplyRuleList("X^2*3*X", fold), "X^2*3*X");  // 2 is an exponent
  EXPECT_EQ(ApplyRuleList("1/2*3*X", fold), "1/2*3*X");  // 2 is a divisor
  EXPECT_EQ(ApplyRuleList("X^-1*2", {"-1*", "-"}), "X^-1*2");
  EXPECT_EQ(ApplyRuleList("ARCCOS(X)+1", {"COS(X)+1", "1+COS(X)"}), "ARCCOS(X)+1");
  EXPECT_EQ(ApplyRuleList("SIN(X^2)^2", {"(X^2)^2", "X^4"}), "SIN(X^2)^2");
}

TEST(ApplyRewriteRules, GrowthAndRepetitionAreBounded) {
  // A pair whose replacement rebuilds its pattern runs at most as often as the text is long
  // and never beyond the growth limit.
  const std::string grown = ApplyRuleList("X+X", {"X", "XX"});
  EXPECT_LE(grown.size(), 4 * 5 + 256u);
  EXPECT_GT(grown.size(), 3u);
  // A pair that moves its pattern back to the left is followed to the start of the text.
  EXPECT_EQ(ApplyRuleList("((((+", {"(+", "+("}), "+((((");
}

}  // namespace
}  // namespace plotwerk::uableitung
