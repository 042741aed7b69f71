// Decimal literals without std::from_chars (missing for double in some C++ libraries) and
// without strtod (whose decimal point follows the C locale, which the GUI toolkit changes).
#include "fktint/decimal.h"

#include <cstdint>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

namespace plotwerk::fktint {

namespace {

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kLargestExactMantissa = 1ull << 53;
// With more whole digits than this (leading zeros aside) a number exceeds the double range.
constexpr int kMostWholeDigits = 309;

}  // namespace

bool ParseDecimal(std::string_view text, double& value) {
  std::uint64_t mantissa = 0;
  int significant = 0;       // digits taken into mantissa, leading zeros aside
  int fraction_digits = 0;   // of those, after the point
  int whole_digits = 0;      // significant digits before the point
  int digits = 0;
  bool exact = true;
  bool seen_point = false;
  std::string plain;  // the text with "." as the point, for the slow path
  plain.reserve(text.size() + 1);
  for (const char c : text) {
    if (c == '.' || c == ',') {
      if (seen_point) return false;
      seen_point = true;
      plain += '.';
      continue;
    }
    if (c < '0' || c > '9') return false;
    ++digits;
    plain += c;
    if (mantissa == 0 && c == '0') {
      if (seen_point) ++fraction_digits;
      continue;
    }
    if (!seen_point) ++whole_digits;
    if (significant < 19) {
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      ++significant;
      if (seen_point) ++fraction_digits;
    } else if (seen_point) {
      if (c != '0') exact = false;  // a dropped fraction digit other than 0 changes the value
    } else {
      exact = false;
    }
  }
  if (digits == 0) return false;
  if (mantissa == 0) {
    value = 0;
    return true;
  }
  if (whole_digits > kMostWholeDigits) {
    value = std::numeric_limits<double>::infinity();
    return true;
  }
  if (exact && mantissa <= kLargestExactMantissa && fraction_digits <= 22) {
    // Both operands are exact doubles, so the one division rounds correctly.
    const auto whole = static_cast<double>(mantissa);
    value = fraction_digits == 0 ? whole : whole / kExactPowersOfTen[fraction_digits];
    return true;
  }
  // Rare (more than 15 significant digits, or tiny numbers): the stream of the classic locale,
  // which rounds correctly and ignores the global locale.
  if (plain.front() == '.') plain.insert(0, 1, '0');
  std::istringstream stream(plain);
  stream.imbue(std::locale::classic());
  double parsed = 0;
  stream >> parsed;
  if (stream.fail()) {
    // Out of range: the stream gives the largest double, or 0 below the smallest.
    value = whole_digits > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return true;
  }
  value = parsed;
  return true;
}

}  // namespace plotwerk::fktint
