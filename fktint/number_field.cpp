// Number fields: reading a field's text as a constant term, and the short display text of a number.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::fktint {

namespace {

constexpr std::size_t kShortFieldCapacity = 256;
constexpr unsigned kLargestWidth = 255;     // field width and decimals are bytes
constexpr unsigned kLargestDecimals = 255;
// From here on a double's spacing exceeds 0.1, so fixed-point decimals would only show noise;
// such values are written as a mantissa with a decimal comma and an exponent, as in 1,5E+20.
constexpr double kLargestFixedMagnitude = 1e15;
constexpr unsigned kLargestMantissaDecimals = 16;

char ToFieldChar(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  return c == ',' ? '.' : c;
}

// True when value lies exactly halfway between two neighbours with the given decimals, that is
// when value * 10^decimals - 1/2 is a whole number. Writing value = m * 2^e with m odd, this holds
// exactly when e = -(decimals + 1).
bool IsExactHalf(double value, unsigned decimals) {
  if (value == 0 || !std::isfinite(value)) return false;
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  while ((mantissa & 1) == 0) {
    mantissa >>= 1;
    ++exponent;
  }
  return exponent == -static_cast<int>(decimals) - 1;
}

// Fixed-point text of value with the given decimals, an exact half rounded away from zero
// (0,125 with two decimals gives 0,13, as taught at school) rather than to even as printf does.
std::string FixedText(double value, unsigned decimals) {
  char buffer[400];  // |value| < 1e15: at most 1 + 16 + 1 + 255 characters
  if (!IsExactHalf(value, decimals)) {
    std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals), value);
    return buffer;
  }
  // The half has exactly decimals + 1 places, so this text is exact and ends in "5".
  std::snprintf(buffer, sizeof buffer, "%.*f", static_cast<int>(decimals) + 1, value);
  std::string text(buffer);
  text.pop_back();
  if (decimals == 0) text.pop_back();  // the "."
  for (std::size_t i = text.size(); i-- > 0;) {
    char& c = text[i];
    if (c == '.') continue;
    if (c == '-') {
      text.insert(i + 1, 1, '1');
      return text;
    }
    if (c != '9') {
      ++c;
      return text;
    }
    c = '0';
  }
  text.insert(0, 1, '1');
  return text;
}

std::string ScientificText(double value, unsigned decimals) {
  char buffer[64];
  const unsigned mantissa_decimals = std::min(decimals, kLargestMantissaDecimals);
  std::snprintf(buffer, sizeof buffer, "%.*E", static_cast<int>(mantissa_decimals), value);
  std::string text(buffer);
  const std::size_t exponent_at = text.find('E');
  std::size_t mantissa_end = exponent_at;
  if (text.find('.') < exponent_at) {
    while (text[mantissa_end - 1] == '0') --mantissa_end;
    if (text[mantissa_end - 1] == '.') --mantissa_end;
  }
  text.erase(mantissa_end, exponent_at - mantissa_end);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text[point] = ',';
  return text;
}

std::string PadLeft(std::string text, unsigned width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

TermValue EvaluateNumberField(std::string_view text, double p, double q) {
  char short_field[kShortFieldCapacity];
  std::string long_field;
  char* field = short_field;
  if (text.size() > kShortFieldCapacity) {
    long_field.resize(text.size());
    field = long_field.data();
  }
  for (std::size_t i = 0; i < text.size(); ++i) field[i] = ToFieldChar(text[i]);
  return EvaluateTerm(std::string_view(field, text.size()), 1.0, p, q);
}

double ReadNumberField(std::string_view text, double p, double q) {
  const TermValue result = EvaluateNumberField(text, p, q);
  return result.code == kEvalOk ? result.value : 0.0;
}

// Huge values (magnitude 1e15 and more) are written as mantissa and exponent; NaN and the
// infinities as printf writes them. Both are also right-aligned in field_width.
std::string FormatNumber(unsigned field_width, unsigned decimals, double value) {
  field_width = std::min(field_width, kLargestWidth);
  decimals = std::min(decimals, kLargestDecimals);
  if (!std::isfinite(value)) {
    return PadLeft(std::isnan(value) ? "nan" : (value > 0 ? "inf" : "-inf"), field_width);
  }
  if (std::fabs(value) >= kLargestFixedMagnitude) {
    return PadLeft(ScientificText(value, decimals), field_width);
  }
  // Zeros are cut after padding, so a padded text may end shorter than the width; callers rely
  // on this (a label "0,5" in width 4 has no leading blank).
  std::string text = PadLeft(FixedText(value, decimals), field_width);
  if (decimals > 0) {
    while (text.size() >= 2 && text.back() == '0') text.pop_back();
    if (text.size() > 1 && text.back() == '.') text.pop_back();
  }
  const std::size_t first = text.find_first_not_of(' ');
  if (text.compare(first, std::string::npos, "-0") == 0) text.erase(first, 1);
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text[point] = ',';
  return text;
}

}  // namespace plotwerk::fktint
