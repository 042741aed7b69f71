// The rewrite table: loading the embedded stream, applying the pairs, and DeriveTerm.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

#include "resources/embedded_resources.h"
#include "uableitung/inflate.h"
#include "uableitung/rule_table_check.h"
#include "uableitung/simplify.h"
#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace plotwerk::uableitung {

namespace {

// A text may grow to this multiple of its length (plus a little) while the table is applied.
constexpr std::size_t kMaxGrowthFactor = 4;
constexpr std::size_t kGrowthAllowance = 256;

}  // namespace

std::string InflateRuleStream(std::span<const unsigned char> packed) {
  std::optional<std::string> text = InflateZlib(packed);
  if (!text) throw RuleTableError();
  return std::move(*text);
}

namespace {

bool IsDigitOrPoint(char c) { return (c >= '0' && c <= '9') || c == '.'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool IsOperandChar(char c) { return IsDigitOrPoint(c) || IsLetter(c); }

// Whether the occurrence of a pattern at `at` stands on its own in the text: it does not start
// or end inside a number or a name, a leading operand is not the exponent of a power, a leading
// sign is not the sign of a factor, a leading operand is not a divisor, a leading bracket that
// opens a function's argument stays, and a trailing operand or bracket is not the base of a power.
bool StandsAlone(const std::string& s, std::size_t at, std::string_view pattern, std::string_view replacement) {
  const char first = pattern.front();
  const char last = pattern.back();
  if (at > 0) {
    const char before = s[at - 1];
    if (IsDigitOrPoint(first) && IsDigitOrPoint(before)) return false;
    if (IsLetter(first) && IsLetter(before)) return false;
    if (before == '^' && (IsOperandChar(first) || first == '+' || first == '-')) return false;
    if ((before == '*' || before == '/') && (first == '+' || first == '-')) return false;
    if (before == '/' && IsOperandChar(first)) return false;
    if (first == '(' && IsLetter(before) && replacement.front() != '(') return false;  // a call's bracket
  }
  const std::size_t after = at + pattern.size();
  if (after < s.size()) {
    const char next = s[after];
    if (IsDigitOrPoint(last) && IsDigitOrPoint(next)) return false;
    if (IsLetter(last) && IsLetter(next)) return false;
    if ((IsOperandChar(last) || last == ')') && next == '^') return false;
  }
  return true;
}

// Replaces the leftmost standing occurrence of the pattern until none is left, at most as many
// times as the text has characters and never beyond the growth limit: a replacement together
// with its surroundings may rebuild its pattern.
void ApplyPair(std::string& s, std::string_view pattern, std::string_view replacement, std::size_t max_length,
               std::size_t pair, const ReplacementTrace* trace) {
  // A pair that opens or closes more brackets than it replaces would leave an unreadable term.
  auto balance = [](std::string_view t) {
    long b = 0;
    for (char c : t) b += (c == '(') - (c == ')');
    return b;
  };
  if (balance(pattern) != balance(replacement)) return;
  std::size_t from = 0;
  for (std::size_t rounds = s.size(); rounds > 0 && s.size() > 1; --rounds) {
    std::size_t at = s.find(pattern, from);
    while (at != std::string::npos && !StandsAlone(s, at, pattern, replacement)) at = s.find(pattern, at + 1);
    if (at == std::string::npos) return;
    if (s.size() - pattern.size() + replacement.size() > max_length) return;
    if (trace != nullptr) {
      std::string after = s;
      after.replace(at, pattern.size(), replacement);
      (*trace)(pair, s, after);
    }
    s.replace(at, pattern.size(), replacement);
    from = at >= pattern.size() ? at - pattern.size() + 1 : 0;
  }
}

}  // namespace

std::string LoadRuleTableText() {
  const std::span<const unsigned char> packed = resources::FindResource("rewrite_rules");
  if (packed.empty()) return std::string();
  return InflateRuleStream(packed);
}

std::vector<std::string> LoadRewriteRules() { return SplitRuleLines(LoadRuleTableText()); }

std::string ApplyRuleList(std::string_view text, const std::vector<std::string>& lines, const ReplacementTrace* trace) {
  if (text.size() <= 1) return std::string(text);
  std::string s(text);
  s.insert(0, "<");
  s += '>';
  const std::size_t max_length = kMaxGrowthFactor * s.size() + kGrowthAllowance;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
      if (lines[i].empty()) continue;
      ApplyPair(s, lines[i], lines[i + 1], max_length, i / 2 + 1, trace);
    }
  }
  s = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string();
  return MakeEvaluatorSafe(std::move(s));
}

std::string ApplyRewriteRules(std::string_view text) {
  if (text.size() <= 1) return std::string(text);
  return ApplyRuleList(text, LoadRewriteRules());
}

namespace {

// Longest run of digits and points read as one number when products are folded.
constexpr std::size_t kMaxFoldedNumberLength = 40;

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == '.'; }

// The number that starts at `at` and its end, when it is a plain decimal number.
bool NumberAt(const std::string& s, std::size_t at, double& value, std::size_t& end) {
  end = at;
  while (end < s.size() && IsNumberChar(s[end])) ++end;
  if (end == at || end - at > kMaxFoldedNumberLength) return false;
  if (end < s.size() && (s[end] >= 'A' && s[end] <= 'Z')) return false;
  const std::string token = s.substr(at, end - at);
  if (token.find('.') != token.rfind('.')) return false;
  char* stop = nullptr;
  value = std::strtod(token.c_str(), &stop);
  return stop == token.c_str() + token.size() && std::isfinite(value);
}

// Folds products of two numbers that stand as factors of a product ("1000*999*X^998" becomes
// "999000*X^998"): the first number must open its product (at the start, after "(", "+" or
// "-") and the second must not be raised to a power.
std::string FoldNumberProducts(std::string s) {
  for (std::size_t at = 0; at < s.size(); ++at) {
    if (!IsNumberChar(s[at])) continue;
    const char before = at == 0 ? '(' : s[at - 1];
    const bool opens = before == '(' || before == '+' || before == '-';
    double a = 0;
    std::size_t a_end = 0;
    if (!opens || !NumberAt(s, at, a, a_end)) {
      while (at + 1 < s.size() && IsNumberChar(s[at + 1])) ++at;
      continue;
    }
    for (std::size_t rounds = s.size(); rounds > 0; --rounds) {
      double b = 0;
      std::size_t b_end = 0;
      if (a_end + 1 >= s.size() || s[a_end] != '*' || !NumberAt(s, a_end + 1, b, b_end)) break;
      if (b_end < s.size() && s[b_end] == '^') break;
      const double product = a * b;
      if (!std::isfinite(product)) break;
      const std::string text = FormatTermNumber(product);
      s.replace(at, b_end - at, text);
      a = product;
      a_end = at + text.size();
    }
    at = a_end - 1;
  }
  return s;
}

}  // namespace

std::string RewrittenDerivative(std::string_view term) {
  return FoldNumberProducts(ApplyRewriteRules(DifferentiateTerm(term)));
}

namespace {

// Whether every number factor stands at the front of its product (3*P*X, not P*3*X); a number
// raised to a power is no such factor.
bool NumbersInFront(const std::string& s) {
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    if (s[i] != '*' || !IsNumberChar(s[i + 1])) continue;
    std::size_t end = i + 1;
    while (end < s.size() && IsNumberChar(s[end])) ++end;
    if (end == s.size() || s[end] != '^') return false;
  }
  return true;
}

}  // namespace

// The tidied derivative where it is shorter than the rewritten one, or as short with the numbers
// in front where the rewritten one has them behind. Two tidy forms compete: the derivative tree
// tidied directly, and the rewritten text tidied (which keeps what the table knows, SIN(2*X)).
std::string DeriveTerm(std::string_view term) {
  std::string rewritten = RewrittenDerivative(term);
  if (rewritten.size() <= 1) return rewritten;
  std::string best = rewritten;
  const bool rewritten_in_order = NumbersInFront(rewritten);
  for (std::string tidy : {TidyDerivative(term), TidyTermText(rewritten)}) {
    if (tidy.empty()) continue;
    if (tidy.size() < best.size() ||
        (tidy.size() == rewritten.size() && best == rewritten && !rewritten_in_order && NumbersInFront(tidy))) {
      best = std::move(tidy);
    }
  }
  return best;
}

}  // namespace plotwerk::uableitung
