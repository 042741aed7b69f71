// Whatever is typed, a derivation ends quickly with a derivative or the empty text: deep nesting,
// exploding derivatives and random text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

std::string Nested(const std::string& open, const std::string& inner, const std::string& close, int depth) {
  std::string s;
  for (int i = 0; i < depth; ++i) s += open;
  s += inner;
  for (int i = 0; i < depth; ++i) s += close;
  return s;
}

TEST(Robustness, DeepNestingGivesTheEmptyText) {
  EXPECT_EQ(DeriveTerm(Nested("(", "X", ")", 5000)), "");
  EXPECT_EQ(DeriveTerm(Nested("SIN(", "X", ")", 3000)), "");
  EXPECT_EQ(DeriveTerm(Nested("(", "X", ")", 100)), "1");
  EXPECT_EQ(DeriveTerm(Nested("(", "X", ")", kMaxBracketDepth - 1)), "1");
  EXPECT_EQ(DeriveTerm(Nested("SQRT(", "X", ")", kMaxBracketDepth - 1)), "");
  EXPECT_EQ(DeriveTerm(Nested("X^(", "X", ")", kMaxBracketDepth - 1)), "");
  EXPECT_EQ(g_pool.LiveNodes(), 0u);
}

TEST(Robustness, ExplodingDerivativesGiveTheEmptyText) {
  std::string tower = "X";
  for (int i = 0; i < 30; ++i) tower += "^X";
  EXPECT_LE(DifferentiateTerm(tower).size(), kMaxPrintedLength);
  EXPECT_EQ(DifferentiateTerm(tower + "^X^X^X^X^X^X^X^X^X^X"), "");
  EXPECT_EQ(DifferentiateTerm(Nested("X^(", "X", ")", 60)), "");
  EXPECT_EQ(DifferentiateTerm(Nested("SIN(", "X", ")", 200)), "");
  std::string product = "X";
  for (int i = 0; i < 40; ++i) product = "(" + product + ")*SIN(" + product.substr(0, 40) + ")";
  EXPECT_NO_THROW(DeriveTerm(product));
  EXPECT_EQ(g_pool.LiveNodes(), 0u);
}

TEST(Robustness, LongChainsOfOperatorsEndWithoutOverflow) {
  for (const char* op : {"+", "*", "/", "^", "-"}) {
    std::string chain = "X";
    for (int i = 0; i < 290; ++i) chain += std::string(op) + "X";
    EXPECT_NO_THROW(DeriveTerm(chain)) << op;
    EXPECT_EQ(DeriveTerm(chain + chain), "") << op;  // beyond the reader's depth
    EXPECT_EQ(g_pool.LiveNodes(), 0u);
  }
}

TEST(Robustness, ModeratelyNestedTermsStillDerive) {
  EXPECT_FALSE(DeriveTerm(Nested("SIN(", "X", ")", 20)).empty());
  std::string sum = "X";
  for (int i = 0; i < 100; ++i) sum += "+X^2";
  EXPECT_FALSE(DeriveTerm(sum).empty());
}

TEST(Robustness, RandomTextNeverBreaksTheDerivation) {
  const std::string alphabet = "X+-*/^()0123456789.,PQYESINCOTAHLGDBQRW E";
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int i = 0; i < 3000; ++i) {
    std::string term;
    for (int n = length(random); n > 0; --n) term += alphabet[pick(random)];
    const std::string first = DeriveTerm(term);
    if (!first.empty()) DeriveTerm(first);
    ASSERT_EQ(g_pool.LiveNodes(), 0u) << term;
  }
}

}  // namespace
}  // namespace plotwerk::uableitung
