// Fuzz target for the worksheet reader: any text is refused with WorksheetError or read into a
// state that saves and reads back to the same worksheet. A crash, sanitizer report, another
// exception or a broken round trip (trap) is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "plot/worksheet.h"

namespace {

namespace pl = plotwerk::plot;
using plotwerk::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > static_cast<std::size_t>(pl::kMaxWorksheetBytes)) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> warnings;
  pl::Worksheet worksheet;
  try {
    worksheet = pl::WorksheetFromJson(text, &warnings);
  } catch (const pl::WorksheetError& e) {
    Check(e.what()[0] != '\0');  // a refusal always says why
    return 0;
  }
  Check(warnings.size() <= 21);
  // What was accepted is a state the window reaches, so it saves and reads back unchanged.
  const std::string again = pl::WorksheetToJson(worksheet);
  Check(pl::SameWorksheet(pl::WorksheetFromJson(again, nullptr), worksheet));
  return 0;
}
