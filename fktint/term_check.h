// The term checker: reads a term as the evaluator does and reports the first problem with its
// position in the text as typed, so the window and the command line can say what is wrong.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plotwerk::fktint {

enum class TermProblem {
  kNone,
  kEmpty,                // nothing but blanks
  kUnexpectedCharacter,  // detail: the character
  kMissingOperand,       // an operator or bracket with nothing to work on
  kMalformedNumber,      // detail: the number token (a second point, no digit, an é)
  kUnknownFunction,      // detail: the name
  kReservedFunction,     // detail: F1 to F4, which a term may not call
  kNameWithoutBracket,   // detail: the name
  kUnmatchedClosing,     // detail: the closing character
  kIgnoredText,          // detail: the closing character after which the rest is ignored
  kTooDeep,              // brackets nested beyond what the evaluator reads
};

struct TermCheck {
  TermProblem problem = TermProblem::kNone;
  // 1-based character position in the text as typed; one past the last character for a
  // problem at the end; 0 when there is no problem.
  std::size_t position = 0;
  // The offending text, code page 1252 bytes, at most kMaxDetailLength characters.
  std::string detail;

  bool ok() const { return problem == TermProblem::kNone; }
};

inline constexpr std::size_t kMaxDetailLength = 20;

// Checks the upper-case term (code page 1252 bytes). A term that the evaluator reads to its end
// is ok; a missing closing bracket at the end is accepted, as the evaluator accepts it.
TermCheck CheckTerm(std::string_view term);

// The English message of a problem, without the position ("unexpected character 'X'");
// control characters in the detail are written as \xNN. "ok" for a term without a problem.
std::string DescribeTermCheck(const TermCheck& check);

}  // namespace plotwerk::fktint
