// Why a term has no derivative: one answer for the window's status line and plotwerk-cli derive.
#pragma once

#include <string>

namespace plotwerk::uableitung {

enum class NoDerivative {
  kEmpty,            // nothing typed
  kUnreadable,       // the term checker rejects the term (it says where and why)
  kTooLong,          // longer than the differentiator reads
  kTooDeep,          // nested deeper than the differentiator follows
  kUnknownFunction,  // a function without a derivative rule (named in `function`)
  kUnreadableForm,   // a form the differentiator does not read, such as [ ]
  kTooLarge,         // readable, but the derivative would be unreasonably long
};

struct NoDerivativeReason {
  NoDerivative kind = NoDerivative::kTooLarge;
  std::string function;  // for kUnknownFunction: its name as typed (code page 1252)
};

// The reason for a term (upper-case code page 1252 text) whose DeriveTerm is empty, in the
// order a user meets them: the checker's verdict, the length, the differentiator's reading.
NoDerivativeReason WhyNoDerivative(const std::string& term);

}  // namespace plotwerk::uableitung
