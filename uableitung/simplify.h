// The algebraic tidying that brings a derivative to the form an exercise book prints.
#pragma once

#include <string>
#include <string_view>

#include "uableitung/term_tree.h"

namespace plotwerk::uableitung {

// The tree printed in textbook form: sums and products flattened, numbers folded, like terms and
// powers of one base collected, quotients over one denominator and sums expanded or factored
// where that is shorter, signs in front, brackets only where needed. The value is unchanged
// wherever the tree's value is defined. The printed text reads the same whether a leading minus
// binds to one factor or to the power after it, and never chains powers without brackets.
// The empty text when the tree is too large to tidy within the bounds below.
std::string TidyTree(const TermNode* node);

// The derivative of the term, formed on the tree and tidied; the empty text when the term cannot
// be read or its derivative cannot be tidied within the bounds.
std::string TidyDerivative(std::string_view term);

// The term text read by the differentiator's reader and tidied; the empty text when it cannot be
// read or tidied.
std::string TidyTermText(std::string_view term);

// Work while tidying one term: distinct nodes, operands handled, characters printed. Beyond these
// the tidying gives up and the caller keeps the form it has.
// About 60 ns a unit of work on the desktop: each bound stays near 10 ms.
inline constexpr std::size_t kMaxTidyNodes = 50'000;
inline constexpr std::size_t kMaxTidyWork = 200'000;
inline constexpr std::size_t kMaxTidyPrinted = 1'000'000;

}  // namespace plotwerk::uableitung
