// The one reader of plain decimal numbers (digits with at most one point) for every build: it
// does not depend on the C locale, which the window sets to the user's, nor on std::from_chars
// for double, which not every standard library has.
#pragma once

#include <string_view>

namespace plotwerk::fktint {

enum class DecimalStatus {
  kOk,
  kMalformed,  // not digits with at most one point, or no digit at all
  kOverflow,   // too large for a double
  kUnderflow,  // nonzero digits that round to zero
};

struct Decimal {
  double value = 0;
  DecimalStatus status = DecimalStatus::kMalformed;
};

// Reads the whole text as an unsigned decimal number, correctly rounded.
Decimal ParseDecimal(std::string_view text);

}  // namespace plotwerk::fktint
