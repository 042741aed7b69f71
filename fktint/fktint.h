// The term evaluator and the number fields: a term is read and evaluated in one pass, with the
// outcome reported in EvalError, never by an exception.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plotwerk::fktint {

// Code of the last evaluation, one of the kEval codes below.
extern std::uint8_t EvalError;

// The codes of EvalError. They stay plain bytes: callers compare and store them as such.
inline constexpr std::uint8_t kEvalOk = 0;
inline constexpr std::uint8_t kEvalUnreadable = 1;  // unreadable term, or x below the allowed range
inline constexpr std::uint8_t kEvalUndefined = 2;   // domain error or overflow guard
inline constexpr std::uint8_t kEvalJump = 3;        // valid value at a jump, or x above the allowed range
inline constexpr std::uint8_t kEvalClamped = 4;     // clamped or substitute value

// True for the codes whose value is no point of a graph (unreadable or undefined); the values of
// the other codes are usable.
inline bool IsFailure(std::uint8_t code) { return code == kEvalUnreadable || code == kEvalUndefined; }

// The values of the letters P, Q and R in a term.
extern double ParamP;
extern double ParamQ;
extern double ParamR;

// Evaluates the upper-case term (code page 1252 bytes) at X = x and sets EvalError.
double EvaluateTerm(std::string_view term, double x);

// The term text as EvaluateTerm reads it, which the differentiator reads too: "," becomes ".",
// blanks go (a term of blanks only keeps one), a leading "-" or "+" gets a "0" in front, and
// "(-X^" becomes "(0-X^". The empty term stays empty.
std::string NormaliseTermText(std::string_view term);

// Reads a number field's text as a constant term at X = 1; 0 on any evaluation error.
double ReadNumberField(std::string_view text);

// Fixed-point text with a decimal comma and without trailing zeros, right-aligned in at least
// field_width characters.
std::string FormatNumber(unsigned field_width, unsigned decimals, double value);

}  // namespace plotwerk::fktint
