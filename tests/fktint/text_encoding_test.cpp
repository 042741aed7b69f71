// The conversions between code page 1252 bytes and UTF-8: where code page 1252 and Latin-1 part.
#include "fktint/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace plotwerk::fktint {
namespace {

struct Case {
  std::string bytes;
  std::string cp1252_utf8;
  std::string latin1_utf8;
};

TEST(TextEncodingTest, BytesToUtf8) {
  const Case cases[] = {
      {"X^2", "X^2", "X^2"},
      {"\xB7", "\xC2\xB7", "\xC2\xB7"},              // the multiplication dot
      {"\xC9", "\xC3\x89", "\xC3\x89"},              // É
      {"\x80", "\xE2\x82\xAC", "\xC2\x80"},          // the euro sign, or a control character
      {"\x9F", "\xC5\xB8", "\xC2\x9F"},              // Ÿ
      {"\x81", "\xC2\x81", "\xC2\x81"},              // unassigned in code page 1252
      {std::string("a\0b", 3), std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(Cp1252ToUtf8(c.bytes), c.cp1252_utf8);
    EXPECT_EQ(Latin1ToUtf8(c.bytes), c.latin1_utf8);
  }
}

TEST(TextEncodingTest, Utf8ToBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"X\xC2\xB7" "2", "X\xB7" "2"},
      {"\xE2\x82\xAC", "\x80"},
      {"\xE2\x88\x9A", "?"},     // √ is not in code page 1252
      {"\xF0\x9F\x98\x80", "?"}, // nor is anything beyond the first plane
      {"\xC3", "\xC3"},          // a cut sequence is taken byte by byte
      {"\xC3(", "\xC3("},
  };
  for (const auto& [utf8, bytes] : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
  }
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
  }
}

}  // namespace
}  // namespace plotwerk::fktint
