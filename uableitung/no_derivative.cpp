// The reasons of a failed derivative, found by reading the term as DeriveTerm does.
#include "uableitung/no_derivative.h"

#include <string_view>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "uableitung/term_tree.h"

namespace plotwerk::uableitung {

namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// True when the differentiator has a rule for the function of that name.
bool HasRule(std::string_view name) {
  NodePool pool;
  return ParseTermTree(pool, std::string(name) + "(X)") != nullptr;
}

// The first name called with "(" that the differentiator has no rule for, or empty.
std::string UnknownFunction(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLetter(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && IsLetter(text[end])) ++end;
    if (end < text.size() && text[end] == '(' && !HasRule(std::string_view(text).substr(i, end - i))) {
      return text.substr(i, end - i);
    }
    i = end;
  }
  return {};
}

}  // namespace

NoDerivativeReason WhyNoDerivative(const std::string& term) {
  if (term.empty()) return {NoDerivative::kEmpty, {}};
  if (!fktint::CheckTerm(term).ok()) return {NoDerivative::kUnreadable, {}};
  if (term.size() > kMaxTypedLength) return {NoDerivative::kTooLong, {}};
  const std::string text = fktint::NormaliseTermText(term);
  if (text.size() > kMaxTermLength) return {NoDerivative::kTooLong, {}};
  bool readable = false;
  try {
    NodePool pool;
    readable = ParseTermTree(pool, text) != nullptr;
  } catch (const DerivationTooLarge&) {
    return {NoDerivative::kTooDeep, {}};
  }
  if (readable) return {NoDerivative::kTooLarge, {}};
  std::string unknown = UnknownFunction(text);
  if (!unknown.empty()) return {NoDerivative::kUnknownFunction, std::move(unknown)};
  return {NoDerivative::kUnreadableForm, {}};
}

}  // namespace plotwerk::uableitung
