// Checks of the rewrite table: line format, character set, pairing, markers, lengths, telling rows.
#include "uableitung/rule_table_check.h"

#include <map>

namespace plotwerk::uableitung {

const TellingRow kTellingRows[] = {
    {1, "-(4*X))", "-4*X)"},
    {2, "-4*4*", "-16*"},
    {6, "+X+X)", "+2*X)"},
    {7, "-X+X)", ")"},
    {9, ")^1)", "))"},
    {12, "-(-2*X)*", "+2*X*"},
    {22, "*2*SIN(X)*COS(X))", "*SIN(2*X))"},
    {24, "X^1/", "X/"},
    {29, "(2*X*(X-1)-", "(2*X^2-2*X-"},
    {50, "*COS(X)*COS(X)+", "*COS(X)^2+"},
    {164, "-2.1*3*", "-6.3*"},
    {273, "<(1+TAN(X)^2)*COS(TAN(X))>", "<COS(TAN(X))/COS(X)^2>"},
    {288, "<2*SIN(X)*COS(X)>", "<SIN(2*X)>"},
    {370, "<COS(X+P)+COS(X+P)+", "<2*COS(X+P)+"},
    {412, "<X^(1/X)*(-1/X^2*LN(X)+(1/X)/X)>", "<X^(1/X)*(1-LN(X))/X^2>"},
    {448, "/((X+1)^2)^2>", "/(X+1)^4>"},
    {449, "+X*(-SIN(X+P))>", "-X*SIN(X+P)>"},
    {453, "<2*3*", "<6*"},
    {455, "<4*2>", "<8>"},
};
const std::size_t kTellingRowCount = sizeof kTellingRows / sizeof kTellingRows[0];

std::vector<std::string> SplitRuleLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

namespace {

bool AllowedChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || std::string_view("()*+-./^<>").find(c) != std::string_view::npos;
}

std::string PairName(std::size_t pair) { return "pair " + std::to_string(pair); }

}  // namespace

std::vector<std::string> CheckRuleTable(std::string_view text) {
  std::vector<std::string> problems;
  if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n") problems.push_back("the last line is not ended by CR LF");
  const std::vector<std::string> lines = SplitRuleLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string where = "line " + std::to_string(i + 1);
    if (line.empty()) problems.push_back(where + " is empty");
    for (std::size_t k = 0; k < line.size(); ++k) {
      const char c = line[k];
      if (!AllowedChar(c)) {
        problems.push_back(where + " has the character code " + std::to_string(static_cast<unsigned char>(c)));
        break;
      }
      if ((c == '<' && k != 0) || (c == '>' && k + 1 != line.size())) {
        problems.push_back(where + " has a marker inside the line");
        break;
      }
    }
  }
  if (lines.size() != 2 * kRulePairs) {
    problems.push_back("the table has " + std::to_string(lines.size()) + " lines instead of " +
                       std::to_string(2 * kRulePairs));
  }
  std::map<std::string, int> pattern_count;
  for (std::size_t pair = 1; 2 * pair <= lines.size(); ++pair) {
    const std::string& pattern = lines[2 * pair - 2];
    const std::string& replacement = lines[2 * pair - 1];
    const std::string where = PairName(pair);
    ++pattern_count[pattern];
    if (pattern.size() < kMinPatternLength || pattern.size() > kMaxPatternLength) {
      problems.push_back(where + ": pattern length " + std::to_string(pattern.size()));
    }
    if (replacement.size() > kMaxReplacementLength) {
      problems.push_back(where + ": replacement length " + std::to_string(replacement.size()));
    }
    if (pattern.empty() || replacement.empty()) continue;
    if ((pattern.front() == '<') != (replacement.front() == '<')) problems.push_back(where + ": start markers unpaired");
    if ((pattern.back() == '>') != (replacement.back() == '>')) problems.push_back(where + ": end markers unpaired");
    if (replacement.find(pattern) != std::string::npos) problems.push_back(where + ": the replacement contains its pattern");
  }
  for (const auto& [pattern, count] : pattern_count) {
    if (count > 1 && !(pattern == kDuplicatedPattern && count == 2)) {
      problems.push_back("the pattern " + pattern + " stands " + std::to_string(count) + " times");
    }
  }
  if (pattern_count[std::string(kDuplicatedPattern)] != 2) problems.push_back("the pattern (3*2* does not stand twice");
  for (std::size_t i = 0; i < kTellingRowCount; ++i) {
    const TellingRow& row = kTellingRows[i];
    const std::size_t index = 2 * static_cast<std::size_t>(row.pair) - 2;
    if (index + 1 >= lines.size() || lines[index] != row.pattern || lines[index + 1] != row.replacement) {
      problems.push_back(PairName(static_cast<std::size_t>(row.pair)) + " is not " + row.pattern + " -> " + row.replacement);
    }
  }
  return problems;
}

}  // namespace plotwerk::uableitung
