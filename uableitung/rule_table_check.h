// The properties of the rewrite table that the program relies on, checked by the build-time
// packer, by the tests and by the command line.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
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

// The embedded table inflated to its text; RuleTableError when the stream does not inflate.
std::string LoadRuleTableText();

// One zlib stream inflated whole; RuleTableError when it does not inflate.
std::string InflateRuleStream(std::span<const unsigned char> packed);

// Hears of every replacement: the 1-based pair number and the text (with its markers) before
// and after.
using ReplacementTrace = std::function<void(std::size_t pair, const std::string& before, const std::string& after)>;

// Applies the pattern and replacement lines to a text as ApplyRewriteRules does with the embedded
// table: markers around the text, two passes in file order, markers removed.
std::string ApplyRuleList(std::string_view text, const std::vector<std::string>& lines,
                          const ReplacementTrace* trace = nullptr);

// Every violation of the table's properties, one readable line each; empty for a sound table.
std::vector<std::string> CheckRuleTable(std::string_view text);

}  // namespace plotwerk::uableitung
