// The term evaluator and the number fields: a term is read once into a compiled program, which
// is evaluated at any x; the outcome is a value and a code, never an exception.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "fktint/term_check.h"

namespace plotwerk::fktint {

// The codes of an evaluation (TermValue::code). They stay plain bytes: callers compare and store
// them as such.
inline constexpr std::uint8_t kEvalOk = 0;
inline constexpr std::uint8_t kEvalUnreadable = 1;  // unreadable term, or x below the allowed range
inline constexpr std::uint8_t kEvalUndefined = 2;   // domain error or overflow guard
inline constexpr std::uint8_t kEvalJump = 3;        // valid value at a jump, or x above the allowed range
inline constexpr std::uint8_t kEvalClamped = 4;     // clamped or substitute value

// True for the codes whose value is no point of a graph (unreadable or undefined); the values of
// the other codes are usable.
inline bool IsFailure(std::uint8_t code) { return code == kEvalUnreadable || code == kEvalUndefined; }

struct TermValue {
  double value = 0;
  std::uint8_t code = kEvalOk;
};

// A term read once: a program for a small stack machine, evaluated at any x, P and Q without
// reading the text again. An unreadable term evaluates to 0 with code 1 everywhere.
class CompiledTerm {
 public:
  explicit CompiledTerm(std::string_view term);

  TermValue Evaluate(double x, double p, double q) const;
  bool readable() const { return check_.ok(); }
  // The reader's verdict: the first problem, or the "read as" text of implicit products.
  const TermCheck& check() const { return check_; }

  struct Instruction {
    std::uint8_t op = 0;
    std::uint8_t function = 0;
    // Of a binary operation: where its right operand comes from (the stack, X, P, Q or value).
    std::uint8_t operand = 0;
    double value = 0;
  };

 private:
  std::vector<Instruction> code_;
  std::size_t stack_size_ = 0;
  TermCheck check_;
};

// The compiled form of the term from a per-thread cache keyed by the text; shared, so it stays
// valid while the caller holds it, whatever the cache does.
std::shared_ptr<const CompiledTerm> CompileTerm(std::string_view term);

// Evaluates the upper-case term (code page 1252 bytes) at X = x with the given P and Q. The
// letter R is always 0.
TermValue EvaluateTerm(std::string_view term, double x, double p, double q);

// The term text as EvaluateTerm reads it, which the differentiator reads too: "," becomes ".",
// blanks go (a term of blanks only keeps one), a leading "-" or "+" gets a "0" in front, and
// "(-X^" becomes "(0-X^". The empty term stays empty.
std::string NormaliseTermText(std::string_view term);

// A number field's text (any case, decimal comma or point) evaluated as a term at X = 1 with
// the given P and Q.
TermValue EvaluateNumberField(std::string_view text, double p, double q);

// The value of a number field: EvaluateNumberField's value, 0 on any code but kEvalOk.
double ReadNumberField(std::string_view text, double p, double q);

// Fixed-point text with a decimal comma and without trailing zeros, right-aligned in at least
// field_width characters.
std::string FormatNumber(unsigned field_width, unsigned decimals, double value);

}  // namespace plotwerk::fktint
