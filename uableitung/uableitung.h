// Symbolic differentiation of terms: the derivative text of a term, tidied by the rewrite table.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace plotwerk::uableitung {

// The derivative of the term (upper-case code page 1252 text) with respect to X, simplified and
// tidied by the rewrite table, with a decimal point; the empty text when the term cannot be read
// or its derivative would be unreasonably large. Throws RuleTableError only when the embedded
// table cannot be inflated (a broken build).
std::string DeriveTerm(std::string_view term);

// The derivative as printed from the tree, simplified by the text passes and tidied by the rewrite
// table, before the algebraic tidying that DeriveTerm adds.
std::string RewrittenDerivative(std::string_view term);

// The derivative before the rewrite table: printed from the tree and simplified by the text passes.
std::string DifferentiateTerm(std::string_view term);

// The fixed text passes that tidy a printed term; the empty text stays empty.
std::string SimplifyTermText(std::string text);

// Raised when the embedded rewrite table cannot be inflated; its message is "error".
class RuleTableError : public std::runtime_error {
 public:
  RuleTableError() : std::runtime_error("error") {}
};

// The lines of the embedded rewrite table, inflated afresh: pattern, replacement, pattern, ...
std::vector<std::string> LoadRewriteRules();

// Applies the rewrite table (two passes in file order) to a derivative text.
std::string ApplyRewriteRules(std::string_view text);

}  // namespace plotwerk::uableitung
