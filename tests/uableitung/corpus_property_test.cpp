// Property tests over the corpus of school terms: every derivative, raw, rewritten and tidied,
// first and second, agrees with a central difference through the evaluator; no replacement of the
// rewrite table changes a value; the tidied text reads back and is never longer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "uableitung/rule_table_check.h"
#include "uableitung/simplify.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {
namespace {

namespace fk = plotwerk::fktint;

constexpr double kSamplePoints[] = {-2.3, -1.7, -0.6, 0.35, 0.8, 1.3, 1.9, 2.6, 3.4};
constexpr double kParameterP = 0.6;
constexpr double kParameterQ = 0.7;
constexpr double kDifferenceTolerance = 1e-4;  // relative, for a central difference
constexpr double kRuleTolerance = 1e-9;        // relative, between two texts of one value
constexpr double kLargestTermValue = 1e6;
constexpr double kLargestDerivativeValue = 1e9;

std::vector<std::string> Corpus() {
  std::ifstream in(PLOTWERK_CORPUS_PATH);
  std::vector<std::string> terms;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty()) terms.push_back(line);
  }
  return terms;
}

// The value of the term at x, or nothing when the evaluator reports any code (kept in code).
bool Value(const std::string& term, double x, double& value, double largest = kLargestTermValue,
           std::uint8_t* code = nullptr) {
  const fk::TermValue result = fk::EvaluateTerm(term, x, kParameterP, kParameterQ);
  value = result.value;
  if (code != nullptr) *code = result.code;
  return result.code == fk::kEvalOk && std::isfinite(value) && std::fabs(value) < largest;
}

bool Close(double a, double b, double tolerance) {
  return std::fabs(a - b) <= tolerance * std::max({1.0, std::fabs(a), std::fabs(b)});
}

// Where the term is defined around x, the derivative text must match its central difference.
// Returns the number of points compared.
int ExpectDerivativeOf(const std::string& term, const std::string& derivative) {
  int compared = 0;
  for (double x : kSamplePoints) {
    const double h = 1e-5 * std::max(1.0, std::fabs(x));
    double below = 0, at = 0, above = 0, slope = 0;
    std::uint8_t slope_code = fk::kEvalOk;
    if (!Value(term, x - h, below) || !Value(term, x, at) || !Value(term, x + h, above)) continue;
    const double difference = (above - below) / (2 * h);
    // A jump or a kink between the samples is no place to compare.
    if (!Close((above - at) / h, (at - below) / h, 1e-2)) continue;
    ++compared;
    EXPECT_TRUE(Value(derivative, x, slope, kLargestDerivativeValue, &slope_code) && Close(difference, slope, kDifferenceTolerance))
        << "term " << term << "\nderivative " << derivative << "\nat x = " << x << ": difference " << difference
        << ", derivative " << slope << " (code " << int(slope_code) << ")";
  }
  return compared;
}

TEST(CorpusProperty, DerivativesMatchCentralDifferences) {
  const std::vector<std::string> corpus = Corpus();
  ASSERT_GE(corpus.size(), 300u);
  int with_derivative = 0;
  int compared = 0;
  int changed_by_table = 0;
  int derivatives = 0;
  int no_second = 0;
  for (const std::string& term : corpus) {
    const std::string raw = DifferentiateTerm(term);
    if (raw.empty()) continue;
    ++with_derivative;
    const std::string first = DeriveTerm(term);
    compared += ExpectDerivativeOf(term, raw);
    compared += ExpectDerivativeOf(term, first);
    const std::string raw_second = DifferentiateTerm(first);
    const std::string second = DeriveTerm(first);
    ++derivatives;
    no_second += second.empty();
    changed_by_table += raw != first;
    if (!second.empty()) {
      ++derivatives;
      changed_by_table += raw_second != second;
      compared += ExpectDerivativeOf(first, raw_second);
      compared += ExpectDerivativeOf(first, second);
    }
  }
  EXPECT_GE(with_derivative, 400);
  EXPECT_GE(compared, 4 * with_derivative);
  // Only first derivatives with a negative exponent such as X^-0.5 cannot be read again.
  EXPECT_LE(no_second, 5);
  std::cout << "corpus: " << corpus.size() << " terms, " << with_derivative << " with a derivative; "
            << changed_by_table << " of " << derivatives << " derivatives changed by the table; " << compared
            << " points compared\n";
}

// Whether a minus that begins an operand stands directly before a factor raised to a power, or
// a power is raised again without brackets: texts that the two readings of a leading minus
// (before or after the power) or of a chain of powers would read differently.
std::size_t FactorEnd(const std::string& s, std::size_t i) {
  if (i < s.size() && s[i] == '(') {
    for (int depth = 0; i < s.size(); ++i) {
      depth += s[i] == '(' ? 1 : s[i] == ')' ? -1 : 0;
      if (depth == 0) return i + 1;
    }
    return s.size();
  }
  while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '.')) ++i;
  return i < s.size() && s[i] == '(' ? FactorEnd(s, i) : i;
}

bool ReadsAlike(const std::string& s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    const bool unary_minus = s[i] == '-' && (i == 0 || std::string("(+-*/^").find(s[i - 1]) != std::string::npos);
    if (!unary_minus && s[i] != '^') continue;
    const std::size_t end = FactorEnd(s, i + 1);
    if (end > i + 1 && end < s.size() && s[end] == '^') return false;
  }
  return true;
}

TEST(CorpusProperty, TidiedDerivativesKeepTheValueReadBackAndAreNeverLonger) {
  std::size_t rewritten_length = 0, final_length = 0, derivatives = 0, tidied = 0, longer_than_raw = 0;
  for (const std::string& term : Corpus()) {
    std::string first = term;
    for (int order = 1; order <= 2 && !first.empty(); ++order) {
      const std::string f = first;
      SCOPED_TRACE(f);
      const std::string raw = DifferentiateTerm(f);
      const std::string rewritten = RewrittenDerivative(f);
      const std::string tidy = TidyDerivative(f);
      first = DeriveTerm(f);
      if (rewritten.empty()) {
        EXPECT_EQ(first, "");
        break;
      }
      ++derivatives;
      rewritten_length += rewritten.size();
      final_length += first.size();
      // Never longer than before the tidying; the printed tree alone is at times shorter, in
      // forms such as 1/X/LN(X), which the table and the tidying both write as a textbook does.
      EXPECT_LE(first.size(), rewritten.size());
      longer_than_raw += first.size() > raw.size();
      ASSERT_FALSE(tidy.empty()) << "no tidy form";
      ExpectDerivativeOf(f, tidy);
      // Y and the hyperbolic cotangent are names of the differentiator only.
      if (fk::CheckTerm(f).ok()) {
        EXPECT_TRUE(fk::CheckTerm(first).ok()) << first;
        EXPECT_TRUE(fk::CheckTerm(tidy).ok()) << tidy;
      }
      EXPECT_TRUE(ReadsAlike(tidy)) << tidy;
      EXPECT_FALSE(DifferentiateTerm(tidy).empty()) << tidy;
      tidied += first != rewritten;
    }
  }
  std::cout << "tidied " << tidied << " of " << derivatives << " derivatives; mean length " << std::fixed
            << std::setprecision(1) << double(rewritten_length) / derivatives << " before, "
            << double(final_length) / derivatives << " after; " << longer_than_raw << " longer than the raw text\n";
  EXPECT_LE(longer_than_raw, derivatives / 50);
  EXPECT_GE(tidied, derivatives / 5);
}

TEST(CorpusProperty, ReadsAlikeFindsTheAmbiguousTexts) {
  for (const char* text : {"-X^2", "2+-X^2", "(-(X+1)^2)", "X^2^3", "-2^X", "X*(-SIN(X)^2)", "2^X^(1/2)"}) {
    EXPECT_FALSE(ReadsAlike(text)) << text;
  }
  for (const char* text : {"-2*X^3", "-(X^2)", "(X^2)^3", "X^(2^X)", "-SIN(X^2)", "3-X^2", "X^(-0.5)", "-0.25*X^(-1.5)"}) {
    EXPECT_TRUE(ReadsAlike(text)) << text;
  }
}

TEST(CorpusProperty, EveryReplacementKeepsTheValue) {
  const std::vector<std::string> lines = LoadRewriteRules();
  ASSERT_EQ(lines.size(), 2 * kRulePairs);
  std::vector<int> fired(kRulePairs + 1, 0);
  const ReplacementTrace trace = [&](std::size_t pair, const std::string& before, const std::string& after) {
    ++fired[pair];
    const std::string from = before.substr(1, before.size() - 2);
    const std::string to = after.substr(1, after.size() - 2);
    for (double x : kSamplePoints) {
      double a = 0, b = 0;
      if (!Value(from, x, a, kLargestDerivativeValue)) continue;
      EXPECT_TRUE(Value(to, x, b, kLargestDerivativeValue) && Close(a, b, kRuleTolerance))
          << "pair " << pair << " (" << lines[2 * pair - 2] << " -> " << lines[2 * pair - 1] << ") changes\n"
          << from << "\ninto " << to << "\nat x = " << x;
    }
  };
  for (const std::string& term : Corpus()) {
    const std::string first = ApplyRuleList(DifferentiateTerm(term), lines, &trace);
    ApplyRuleList(DifferentiateTerm(first), lines, &trace);
  }
  // The second pair of the duplicated pattern never finds anything.
  std::vector<std::size_t> duplicates;
  for (std::size_t pair = 1; pair <= kRulePairs; ++pair) {
    if (lines[2 * pair - 2] == kDuplicatedPattern) duplicates.push_back(pair);
  }
  ASSERT_EQ(duplicates.size(), 2u);
  EXPECT_EQ(fired[duplicates[1]], 0);

  std::set<int> telling;
  for (std::size_t i = 0; i < kTellingRowCount; ++i) telling.insert(kTellingRows[i].pair);
  std::vector<std::size_t> dead;
  for (std::size_t pair = 1; pair <= kRulePairs; ++pair) {
    if (fired[pair] == 0 && telling.count(static_cast<int>(pair)) == 0 && pair != duplicates[1]) dead.push_back(pair);
  }
  std::cout << "rules that fire on no corpus derivative (" << dead.size() << "):";
  for (std::size_t pair : dead) std::cout << ' ' << pair << ':' << lines[2 * pair - 2];
  std::cout << '\n';
  // Most of the table is in use; the rest is listed above.
  EXPECT_LE(dead.size(), kRulePairs / 8);
}

}  // namespace
}  // namespace plotwerk::uableitung
