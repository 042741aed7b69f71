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
  kUnmatchedClosing,     // detail: the closing character (nothing after it is read)
  kTooDeep,              // brackets or powers nested beyond what the reader reads
  kExponentNotation,     // detail: the number with its E ("1E3")
  kNumberBeforeE,        // detail: the number followed by Euler's number ("2E")
};

struct TermCheck {
  TermProblem problem = TermProblem::kNone;
  // 1-based character position in the text as typed; one past the last character for a
  // problem at the end; 0 when there is no problem.
  std::size_t position = 0;
  // The offending text, code page 1252 bytes, at most kMaxDetailLength characters.
  std::string detail;
  // For a readable term with implicit products: the term as read with every "*" written
  // ("2PX^2" is read as "2*P*X^2"); empty otherwise.
  std::string read_as;

  bool ok() const { return problem == TermProblem::kNone; }
};

inline constexpr std::size_t kMaxDetailLength = 20;

// Checks the upper-case term (code page 1252 bytes) by reading it as the evaluator reads it: a
// term is ok exactly when the evaluator can read it. Missing closing brackets at the end are
// accepted.
TermCheck CheckTerm(std::string_view term);

// The English message of a problem, without the position ("unexpected character 'X'");
// control characters in the detail are written as \xNN. "ok" for a term without a problem.
std::string DescribeTermCheck(const TermCheck& check);

}  // namespace plotwerk::fktint
