// Reading of decimal number literals, the same on every platform: no locale, no exponent.
#pragma once

#include <string_view>

namespace plotwerk::fktint {

// Reads text that consists only of decimal digits with at most one point ("." or ","), and at
// least one digit, as the nearest double (correctly rounded; a number beyond the double range
// gives +infinity). Returns false, leaving value alone, for any other text.
bool ParseDecimal(std::string_view text, double& value);

}  // namespace plotwerk::fktint
