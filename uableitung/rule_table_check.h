// The properties of the rewrite table that the program relies on, checked by the build-time
// packer, by the tests and by the command line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plotwerk::uableitung {

inline constexpr std::size_t kRulePairs = 455;
inline constexpr std::size_t kMinPatternLength = 4;
inline constexpr std::size_t kMaxPatternLength = 91;
inline constexpr std::size_t kMaxReplacementLength = 73;

// A row whose pair number, pattern and replacement are fixed.
struct TellingRow {
  int pair;
  const char* pattern;
  const char* replacement;
};
extern const TellingRow kTellingRows[];
extern const std::size_t kTellingRowCount;

// The pattern that stands twice in the table; its second pair never finds anything.
inline constexpr std::string_view kDuplicatedPattern = "(3*2*";

// The lines of the table text split at CR LF, without the terminators.
std::vector<std::string> SplitRuleLines(std::string_view text);

// Every violation of the table's properties, one readable line each; empty for a sound table.
std::vector<std::string> CheckRuleTable(std::string_view text);

}  // namespace plotwerk::uableitung
