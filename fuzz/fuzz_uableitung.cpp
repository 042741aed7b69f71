// Fuzz target for the differentiator: the input is the term. Any crash, sanitizer report (a
// leak included) or overlong result (trap) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "uableitung/term_tree.h"
#include "uableitung/uableitung.h"

namespace {

using plotwerk::fuzz::Check;

namespace ua = plotwerk::uableitung;

// The rewrite table may lengthen a text by at most this factor (plus a little).
constexpr std::size_t kLongestDerivative = 4 * (ua::kMaxPrintedLength + 2) + 256;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string term(reinterpret_cast<const char*>(data), size);
  const std::string raw = ua::DifferentiateTerm(term);
  Check(raw.size() <= ua::kMaxPrintedLength + ua::kMaxPrintedLength / 2);
  const std::string first = ua::DeriveTerm(term);
  Check(first.size() <= kLongestDerivative);
  Check(raw.empty() == first.empty());
  if (!first.empty()) ua::DeriveTerm(first);
  return 0;
}
