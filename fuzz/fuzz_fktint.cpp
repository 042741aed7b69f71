// Fuzz target for the evaluator and the number fields: the first bytes choose x and P, the rest
// is the term. Any crash, sanitizer report or broken invariant (trap) is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "fuzz/fuzz_check.h"

namespace {

using plotwerk::fuzz::Check;

namespace fk = plotwerk::fktint;

constexpr double kInterestingX[] = {0, 1, -1, 0.5, 2, -2.5, 1e6, -1e6, 1e6 + 0.5, 1e-300,
                                    std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(), 3.141592653589793,
                                    -0.0, 43};
constexpr unsigned kRawXMarker = 240;  // selector bytes from here on: x from 8 raw bytes

bool Usable(double value) {
  return !std::isnan(value) && value <= 1e10 && value > -std::numeric_limits<double>::infinity();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const unsigned selector = data[0];
  double x;
  std::size_t used = 2;
  if (selector < std::size(kInterestingX)) {
    x = kInterestingX[selector];
  } else if (selector >= kRawXMarker && size >= 10) {
    std::memcpy(&x, data + 2, sizeof x);
    used = 10;
  } else {
    x = (static_cast<double>(selector) - 128) / 16;
  }
  const double p = (static_cast<double>(data[1]) - 128) / 8;
  const double q = 0.25;
  const std::string_view term(reinterpret_cast<const char*>(data + used), size - used);

  const fk::TermValue result = fk::EvaluateTerm(term, x, p, q);
  const double value = result.value;
  const unsigned code = result.code;
  Check(code <= 4);
  Check(Usable(value));

  // Blanks anywhere change nothing.
  std::string spaced(term);
  spaced.insert(spaced.size() / 2, " ");
  const fk::TermValue spaced_result = fk::EvaluateTerm(spaced, x, p, q);
  Check(spaced_result.code == code);
  Check(spaced_result.value == value);

  // The checker stays inside the text, and a term it passes reads without code 1 (which only
  // TANH or an x below the range sets otherwise).
  const fk::TermCheck check = fk::CheckTerm(term);
  Check(check.ok() ? check.position == 0 : check.position >= 1 && check.position <= term.size() + 1);
  if (check.ok() && x >= -1e6 && term.find("TANH") == std::string_view::npos) Check(code != 1);
  // One reader: a term the checker rejects is unreadable for the evaluator, wherever x lies.
  if (!check.ok()) Check(code == 1 && value == 0);
  // Implicit products written out read the same.
  if (!check.read_as.empty()) {
    const fk::TermValue explicit_value = fk::EvaluateTerm(check.read_as, x, p, q);
    Check(explicit_value.code == code);
    Check(explicit_value.value == value || (std::isnan(explicit_value.value) && std::isnan(value)));
  }
  // A compiled term gives what the term text gives.
  const fk::TermValue compiled = fk::CompileTerm(term)->Evaluate(x, p, q);
  Check(compiled.code == code && compiled.value == value);

  const double field = fk::ReadNumberField(term, p, q);
  Check(Usable(field));

  // The display text of a value reads back to within its rounding.
  const unsigned decimals = data[1] % 7;
  const std::string text = fk::FormatNumber(data[1] % 5, decimals, value);
  if (std::fabs(value) < 1e9) {
    const fk::TermValue read = fk::EvaluateNumberField(text, p, q);
    Check(read.code == fk::kEvalOk);
    const double rounding = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) * (1 + 1e-9);
    Check(std::fabs(read.value - value) <= rounding + std::fabs(value) * 1e-15);
  }
  return 0;
}
