// The term checker: the evaluator's reading without the arithmetic, stopping at the first
// problem and mapping its place back to the text as typed.
#include "fktint/term_check.h"

#include <cstdio>
#include <vector>

#include "fktint/name_table.h"

namespace plotwerk::fktint {

namespace {

using detail::Function;

// The evaluator reads brackets and function calls this deep; a deeper term is unreadable there.
constexpr int kMaxNesting = 1024;

constexpr unsigned char kMiddleDot = 183;
constexpr unsigned char kCapitalEAcute = 201;
constexpr unsigned char kSmallEAcute = 233;

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsClosing(unsigned char c) { return c == ')' || c == ']' || c == '|'; }
bool IsOperator(unsigned char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == kMiddleDot;
}
// The first letters of the names the evaluator looks up.
bool StartsName(unsigned char c) {
  return (c >= 'A' && c <= 'J') || (c >= 'L' && c <= 'O') || c == 'S' || c == 'T' || c == 'V' ||
         c == 'W';
}

std::string Shortened(std::string_view text) {
  if (text.size() <= kMaxDetailLength) return std::string(text);
  return std::string(text.substr(0, kMaxDetailLength - 3)) + "...";
}

// The term normalised as the evaluator normalises it, with the typed position of every
// character: blanks go, "," becomes ".", a leading sign gets a "0" and "(-X^" becomes "(0-X^".
// An inserted "0" takes the position of the character it stands in front of.
struct NormalisedTerm {
  std::string text;
  std::vector<std::size_t> typed;  // 1-based typed position of text[i]
  std::size_t end_position = 1;    // one past the last typed non-blank character
};

NormalisedTerm Normalise(std::string_view term) {
  NormalisedTerm n;
  n.text.reserve(term.size() + term.size() / 4 + 1);
  n.typed.reserve(n.text.capacity());
  for (std::size_t i = 0; i < term.size(); ++i) {
    char c = term[i];
    if (c == ' ') continue;
    if (c == ',') c = '.';
    const std::size_t k = n.text.size();
    if (c == '^' && k >= 3 && n.text[k - 3] == '(' && n.text[k - 2] == '-' && n.text[k - 1] == 'X') {
      n.text.insert(k - 2, 1, '0');
      n.typed.insert(n.typed.begin() + static_cast<std::ptrdiff_t>(k - 2), n.typed[k - 2]);
    }
    n.text.push_back(c);
    n.typed.push_back(i + 1);
    n.end_position = i + 2;
  }
  if (!n.text.empty() && (n.text[0] == '-' || n.text[0] == '+')) {
    n.text.insert(0, 1, '0');
    n.typed.insert(n.typed.begin(), n.typed[0]);
  }
  return n;
}

class Checker {
 public:
  explicit Checker(const NormalisedTerm& term) : term_(term), text_(term.text) {}

  TermCheck Run() {
    const Ending ending = CheckExpression(0);
    if (!result_.ok() || ending != Ending::kClosing) return result_;
    // A closing character at the top level ends the evaluation there.
    const std::size_t closing = pos_ - 1;
    if (pos_ < text_.size()) {
      Fail(TermProblem::kIgnoredText, closing, text_.substr(closing, 1));
    } else {
      Fail(TermProblem::kUnmatchedClosing, closing, text_.substr(closing, 1));
    }
    return result_;
  }

 private:
  enum class Ending { kEnd, kClosing, kError };

  void Fail(TermProblem problem, std::size_t at, std::string_view detail = {}) {
    result_.problem = problem;
    result_.position = at < term_.typed.size() ? term_.typed[at] : term_.end_position;
    result_.detail = Shortened(detail);
  }

  // Operands joined by operators, up to a closing character or the end of the term; the
  // priorities of the operators decide only the values, not what is read.
  Ending CheckExpression(int depth) {
    while (true) {
      if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
      if (!CheckFactor(depth)) return Ending::kError;
      if (pos_ >= text_.size()) return Ending::kEnd;
      const auto c = static_cast<unsigned char>(text_[pos_]);
      ++pos_;
      if (IsClosing(c)) return Ending::kClosing;
      if (!IsOperator(c)) {
        Fail(TermProblem::kUnexpectedCharacter, pos_ - 1, text_.substr(pos_ - 1, 1));
        return Ending::kError;
      }
    }
  }

  bool CheckNested(int depth) {
    if (depth >= kMaxNesting) {
      Fail(TermProblem::kTooDeep, pos_ - 1);
      return false;
    }
    return CheckExpression(depth + 1) != Ending::kError;
  }

  bool CheckFactor(int depth) {
    if (pos_ >= text_.size()) {
      Fail(TermProblem::kMissingOperand, pos_);
      return false;
    }
    const auto c = static_cast<unsigned char>(text_[pos_]);
    if (c == '(' || c == '[' || c == '|') {
      ++pos_;
      return CheckNested(depth);
    }
    if (c == 'P') {
      // PI and PHI as the evaluator tells them from the parameter P.
      if (pos_ + 1 < text_.size() && text_[pos_ + 1] == 'I') {
        pos_ += 2;
      } else if (pos_ + 2 < text_.size() && text_[pos_ + 1] == 'H' && text_[pos_ + 2] == 'I') {
        pos_ += 3;
      } else {
        ++pos_;
      }
      return true;
    }
    if (c == 'X' || c == 'Q' || c == 'R' || c == kCapitalEAcute) {
      ++pos_;
      return true;
    }
    if (IsDigit(c) || c == '.') return CheckNumber();
    if (StartsName(c)) return CheckCall(depth);
    if (IsClosing(c)) {
      Fail(TermProblem::kMissingOperand, pos_);
    } else {
      Fail(TermProblem::kUnexpectedCharacter, pos_, text_.substr(pos_, 1));
    }
    return false;
  }

  bool CheckNumber() {
    const std::size_t start = pos_;
    int points = 0;
    int digits = 0;
    bool e_acute = false;
    while (pos_ < text_.size()) {
      const auto c = static_cast<unsigned char>(text_[pos_]);
      if (c == '.') {
        ++points;
      } else if (c == kSmallEAcute) {
        e_acute = true;
      } else if (IsDigit(c)) {
        ++digits;
      } else {
        break;
      }
      ++pos_;
    }
    if (points > 1 || digits == 0 || e_acute) {
      Fail(TermProblem::kMalformedNumber, start, text_.substr(start, pos_ - start));
      return false;
    }
    return true;
  }

  bool CheckCall(int depth) {
    const std::size_t start = pos_;
    const std::size_t open = text_.find('(', start + 1);
    if (open == std::string::npos) {
      std::size_t end = start;
      while (end < text_.size() && text_[end] >= 'A' && text_[end] <= 'Z') ++end;
      Fail(TermProblem::kNameWithoutBracket, start, text_.substr(start, end - start));
      return false;
    }
    const std::string_view name = std::string_view(text_).substr(start, open - start);
    const Function function = detail::LookupFunction(name);
    if (function == Function::kNone) {
      Fail(TermProblem::kUnknownFunction, start, name);
      return false;
    }
    if (function == Function::kF1 || function == Function::kF2 || function == Function::kF3 ||
        function == Function::kF4) {
      Fail(TermProblem::kReservedFunction, start, name);
      return false;
    }
    pos_ = open + 1;
    return CheckNested(depth);
  }

  const NormalisedTerm& term_;
  const std::string& text_;
  std::size_t pos_ = 0;
  TermCheck result_;
};

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

TermCheck CheckTerm(std::string_view term) {
  const NormalisedTerm normalised = Normalise(term);
  if (normalised.text.empty()) {
    TermCheck check;
    check.problem = TermProblem::kEmpty;
    check.position = 1;
    return check;
  }
  return Checker(normalised).Run();
}

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
    case TermProblem::kIgnoredText: return "unmatched '" + d + "', the rest is ignored";
    case TermProblem::kTooDeep: return "brackets nested too deeply";
  }
  return "ok";
}

}  // namespace plotwerk::fktint
