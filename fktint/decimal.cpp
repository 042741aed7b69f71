// The portable decimal reader: the digits without their point become an integer with a decimal
// exponent ("31415e-4"), which strtod reads the same in every locale (only the radix character
// depends on it) and rounds correctly. No allocation: the evaluator calls this per number.
#include "fktint/decimal.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace plotwerk::fktint {

namespace {

// A double is decided by its first 767 significant digits; beyond, one sticky nonzero digit
// stands for everything dropped, which keeps the rounding of halfway cases right.
constexpr std::size_t kKeptDigits = 780;
constexpr std::int64_t kExponentLimit = 99999;  // far beyond the double range either way

}  // namespace

Decimal ParseDecimal(std::string_view text) {
  bool seen_point = false, seen_digit = false;
  for (const char c : text) {
    if (c == '.' && !seen_point) {
      seen_point = true;
    } else if (c >= '0' && c <= '9') {
      seen_digit = true;
    } else {
      return {};
    }
  }
  if (!seen_digit) return {};

  char buffer[kKeptDigits + 16];
  std::size_t kept = 0;
  std::int64_t exponent = 0;
  bool after_point = false, dropped_nonzero = false;
  for (const char c : text) {
    if (c == '.') {
      after_point = true;
      continue;
    }
    if (after_point) --exponent;
    if (kept == 0 && c == '0') continue;  // leading zeros
    if (kept < kKeptDigits) {
      buffer[kept++] = c;
    } else {
      ++exponent;
      dropped_nonzero = dropped_nonzero || c != '0';
    }
  }
  if (kept == 0) return {0.0, DecimalStatus::kOk};
  if (dropped_nonzero) {
    buffer[kept++] = '1';
    --exponent;
  }
  if (exponent > kExponentLimit) exponent = kExponentLimit;
  if (exponent < -kExponentLimit) exponent = -kExponentLimit;
  buffer[kept++] = 'e';
  if (exponent < 0) buffer[kept++] = '-';
  char digits[8];
  int count = 0;
  for (std::int64_t e = exponent < 0 ? -exponent : exponent; count == 0 || e > 0; e /= 10) {
    digits[count++] = static_cast<char>('0' + e % 10);
  }
  while (count > 0) buffer[kept++] = digits[--count];
  buffer[kept] = '\0';

  const double value = std::strtod(buffer, nullptr);
  if (std::isinf(value)) return {value, DecimalStatus::kOverflow};
  if (value == 0) return {0.0, DecimalStatus::kUnderflow};
  return {value, DecimalStatus::kOk};
}

}  // namespace plotwerk::fktint
