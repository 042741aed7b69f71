// Text helpers of plotwerk-cli: UTF-8 arguments to code page 1252 term text, and strict numbers.
#include "cli/cli_text.h"

#include <charconv>

namespace plotwerk::cli {

namespace {

bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

void AppendArgumentAsTerm(std::string_view utf8, std::string& out) {
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    // U+0080 to U+00FF are the two-byte sequences led by 0xC2 and 0xC3.
    if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size() &&
        IsContinuationByte(static_cast<unsigned char>(utf8[i + 1]))) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      out += static_cast<char>(((byte & 0x1F) << 6) | (next & 0x3F));
      ++i;
    } else if (byte >= 'a' && byte <= 'z') {
      out += static_cast<char>(byte - 'a' + 'A');
    } else {
      out += static_cast<char>(byte);
    }
  }
}

std::string ArgumentToTerm(std::string_view utf8) {
  std::string term;
  term.reserve(utf8.size());
  AppendArgumentAsTerm(utf8, term);
  return term;
}

bool ParseDouble(std::string_view text, double& value) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

bool ParseUnsigned(std::string_view text, unsigned largest, unsigned& value) {
  text = TrimBlanks(text);
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  unsigned parsed = 0;
  const auto result = std::from_chars(text.data(), end, parsed);
  if (result.ec != std::errc() || result.ptr != end || parsed > largest) return false;
  value = parsed;
  return true;
}

}  // namespace plotwerk::cli
