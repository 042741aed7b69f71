// Whatever is typed, a derivation ends quickly with a derivative or the empty text: deep nesting,
// exploding derivatives and random text.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

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
}

TEST(Robustness, LongChainsOfOperatorsEndWithoutOverflow) {
  for (const char* op : {"+", "*", "/", "^", "-"}) {
    std::string chain = "X";
    for (int i = 0; i < 290; ++i) chain += std::string(op) + "X";
    EXPECT_NO_THROW(DeriveTerm(chain)) << op;
    EXPECT_EQ(DeriveTerm(chain + chain), "") << op;  // beyond the reader's depth
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
  }
}

// Each derivation owns its nodes, so two threads deriving at once get what one thread gets.
TEST(Robustness, DerivationsOnTwoThreadsAgree) {
  const std::vector<std::string> terms = {
      "X*SIN(X+P)", "SQR(X)", "(X+1", "X^X^X", "LN(X^2+1)/X", "ARCTAN(2X)-SQRT(X)", "EXP(-X^2)",
      Nested("SIN(", "X", ")", 20), "Q*COSH(X)^3", "LG(ABS(X))+LD(X)",
  };
  std::vector<std::string> alone;
  for (const std::string& term : terms) alone.push_back(DeriveTerm(term));
  constexpr int kRounds = 20;
  auto derive_all = [&](std::vector<std::string>& results) {
    for (int round = 0; round < kRounds; ++round) {
      for (const std::string& term : terms) results.push_back(DeriveTerm(term));
    }
  };
  std::vector<std::string> first;
  std::vector<std::string> second;
  std::thread other(derive_all, std::ref(second));
  derive_all(first);
  other.join();
  ASSERT_EQ(first.size(), terms.size() * kRounds);
  ASSERT_EQ(second.size(), terms.size() * kRounds);
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i], alone[i % terms.size()]) << terms[i % terms.size()];
    EXPECT_EQ(second[i], alone[i % terms.size()]) << terms[i % terms.size()];
  }
}

}  // namespace
}  // namespace plotwerk::uableitung
