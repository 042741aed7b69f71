// The built-in inflater against zlib itself: every block type and level, and damaged streams.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "uableitung/inflate.h"

namespace plotwerk::uableitung {
namespace {

std::vector<unsigned char> Deflate(const std::string& text, int level, int strategy) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy), Z_OK);
  std::vector<unsigned char> out(deflateBound(&z, static_cast<uLong>(text.size())) + 16);
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Texts that exercise literals, long and short matches, far distances and incompressible runs.
std::vector<std::string> SampleTexts() {
  std::mt19937 random(24);
  std::string noise, words, letters;
  for (int i = 0; i < 70000; ++i) noise += static_cast<char>(random() & 0xFF);
  const char* vocabulary[] = {"SIN(X)", "*COS(", "X^2", "+", "-(", ")/", "\r\n", "LN(", "2*3*"};
  for (int i = 0; i < 20000; ++i) words += vocabulary[random() % 9];
  for (int i = 0; i < 40000; ++i) letters += static_cast<char>('A' + random() % 3);
  return {"", "A", std::string(1000, 'X'), noise, words, letters, words + noise + words};
}

TEST(Inflate, ReadsWhatZlibWritesAtEveryLevelAndStrategy) {
  const struct { int level; int strategy; const char* what; } modes[] = {
      {0, Z_DEFAULT_STRATEGY, "stored blocks"}, {1, Z_DEFAULT_STRATEGY, "fast"},
      {9, Z_DEFAULT_STRATEGY, "best"},          {6, Z_FIXED, "fixed codes"},
      {6, Z_HUFFMAN_ONLY, "literals only"},     {6, Z_RLE, "distance one"},
  };
  const std::vector<std::string> texts = SampleTexts();
  for (const auto& mode : modes) {
    for (std::size_t t = 0; t < texts.size(); ++t) {
      SCOPED_TRACE(testing::Message() << mode.what << ", text " << t);
      const std::optional<std::string> back = InflateZlib(Deflate(texts[t], mode.level, mode.strategy));
      ASSERT_TRUE(back.has_value());
      EXPECT_TRUE(*back == texts[t]);
    }
  }
}

TEST(Inflate, RefusesDamagedStreams) {
  const std::string text = SampleTexts()[4];
  const std::vector<unsigned char> good = Deflate(text, 9, Z_DEFAULT_STRATEGY);
  auto changed = [&](std::size_t at, unsigned char value) {
    std::vector<unsigned char> s = good;
    s[at] = value;
    return s;
  };
  const struct { const char* what; std::vector<unsigned char> stream; } bad[] = {
      {"empty", {}},
      {"header only", {0x78, 0xDA}},
      {"header check", changed(1, 0xDB)},
      {"not deflate", changed(0, 0x79)},
      {"preset dictionary", {0x78, 0xBB, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01}},
      {"truncated", std::vector<unsigned char>(good.begin(), good.end() - 5)},
      {"checksum", changed(good.size() - 1, static_cast<unsigned char>(good.back() ^ 1))},
      {"reserved block type", {0x78, 0x9C, 0x07, 0x00}},
      {"stored length complement", {0x78, 0x9C, 0x01, 0x02, 0x00, 0x00, 0x00}},
      {"distance before the start", {0x78, 0x9C, 0x03, 0x02, 0x00, 0x00, 0x00, 0x00, 0x01}},
  };
  for (const auto& b : bad) {
    SCOPED_TRACE(b.what);
    EXPECT_FALSE(InflateZlib(b.stream).has_value());
  }
  // A flipped bit anywhere in the deflate data never crashes; the checksum catches what decodes.
  for (std::size_t at = 2; at < good.size(); at += 7) {
    std::vector<unsigned char> s = good;
    s[at] ^= 0x10;
    const std::optional<std::string> back = InflateZlib(s);
    if (back) {
      EXPECT_TRUE(*back == text);
    }
  }
}

TEST(Inflate, StopsAtTheSizeLimit) {
  const std::string huge(kMaxInflatedSize + 1, 'X');
  EXPECT_FALSE(InflateZlib(Deflate(huge, 9, Z_DEFAULT_STRATEGY)).has_value());
  EXPECT_TRUE(InflateZlib(Deflate(huge.substr(1), 9, Z_DEFAULT_STRATEGY)).has_value());
}

}  // namespace
}  // namespace plotwerk::uableitung
