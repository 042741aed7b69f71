// The term checker: the reader's verdict on a term, and its message in words.
#include "fktint/term_check.h"

#include <cstdio>

#include "fktint/term_reader.h"

namespace plotwerk::fktint {

namespace {

std::string Printable(std::string_view detail) {
  std::string out;
  for (char ch : detail) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 32 || c == 127) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else {
      out += ch;
    }
  }
  return out;
}

}  // namespace

TermCheck CheckTerm(std::string_view term) { return ReadTerm(term).check; }

std::string DescribeTermCheck(const TermCheck& check) {
  const std::string d = Printable(check.detail);
  switch (check.problem) {
    case TermProblem::kNone: return "ok";
    case TermProblem::kEmpty: return "empty term";
    case TermProblem::kUnexpectedCharacter: return "unexpected character '" + d + "'";
    case TermProblem::kMissingOperand: return "missing operand";
    case TermProblem::kMalformedNumber: return "malformed number '" + d + "'";
    case TermProblem::kUnknownFunction: return "unknown function name '" + d + "'";
    case TermProblem::kReservedFunction: return "reserved function name '" + d + "'";
    case TermProblem::kNameWithoutBracket: return "'(' missing after name '" + d + "'";
    case TermProblem::kUnmatchedClosing: return "unmatched '" + d + "'";
    case TermProblem::kTooDeep: return "brackets nested too deeply";
    case TermProblem::kExponentNotation: {
      // "1E3": the number before the E and the power of ten after it.
      const std::size_t e = d.find('E');
      const std::string power = e == std::string::npos ? std::string() : d.substr(e + 1);
      return "no exponent notation: write " + d.substr(0, e) + "*10^" +
             (power.empty() || power[0] != '-' ? power : "(" + power + ")") + " for '" + d + "'";
    }
    case TermProblem::kNumberBeforeE: {
      const std::string number = d.substr(0, d.empty() ? 0 : d.size() - 1);
      return "a number directly before E: write " + number + "*E for '" + d + "'";
    }
  }
  return "ok";
}

}  // namespace plotwerk::fktint
