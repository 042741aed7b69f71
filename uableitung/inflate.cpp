// The inflater: canonical Huffman decoding of stored, fixed and dynamic blocks, one bit at a
// time (the table is small; clarity beats speed here), then the Adler-32 check.
#include "uableitung/inflate.h"

#include <array>
#include <cstdint>

namespace plotwerk::uableitung {

namespace {

constexpr int kMaxCodeBits = 15;
constexpr int kLiteralLengthCodes = 288;
constexpr int kDistanceCodes = 30;
constexpr int kEndOfBlock = 256;
constexpr std::uint32_t kAdlerModulus = 65521;

constexpr std::array<std::uint16_t, 29> kLengthBase = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                                       31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                       2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,
                                                         33,  49,  65,  97,  129, 193,  257,  385,  513,  769,
                                                         1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra = {0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                                         6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
// The order in which a dynamic block lists the lengths of the code-length code.
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5,
                                                           11, 4, 12, 3, 13, 2, 14, 1, 15};

struct Malformed {};

class BitReader {
 public:
  explicit BitReader(std::span<const unsigned char> in) : in_(in) {}

  // The next `count` bits, least significant first.
  unsigned Bits(int count) {
    unsigned value = 0;
    for (int i = 0; i < count; ++i) value |= NextBit() << i;
    return value;
  }
  unsigned NextBit() {
    if (byte_ >= in_.size()) throw Malformed{};
    const unsigned bit = (in_[byte_] >> bit_) & 1u;
    if (++bit_ == 8) bit_ = 0, ++byte_;
    return bit;
  }
  void AlignToByte() {
    if (bit_ != 0) bit_ = 0, ++byte_;
  }
  unsigned char Byte() {
    if (byte_ >= in_.size()) throw Malformed{};
    return in_[byte_++];
  }
  std::size_t Position() const { return byte_; }

 private:
  std::span<const unsigned char> in_;
  std::size_t byte_ = 0;
  int bit_ = 0;
};

// A canonical Huffman code: how many codes have each length, and the symbols in code order.
struct Huffman {
  std::array<std::uint16_t, kMaxCodeBits + 1> count{};
  std::array<std::uint16_t, kLiteralLengthCodes> symbol{};
};

// Builds the code from the code length of each symbol (0: unused). An over-subscribed set of
// lengths is malformed; an incomplete one fails only if an unused code turns up.
Huffman BuildCode(const std::uint8_t* lengths, int symbols) {
  Huffman h;
  for (int s = 0; s < symbols; ++s) ++h.count[lengths[s]];
  int left = 1;
  for (int len = 1; len <= kMaxCodeBits; ++len) {
    left = 2 * left - h.count[len];
    if (left < 0) throw Malformed{};
  }
  std::array<std::uint16_t, kMaxCodeBits + 2> offset{};
  for (int len = 1; len <= kMaxCodeBits; ++len) offset[len + 1] = offset[len] + h.count[len];
  for (int s = 0; s < symbols; ++s) {
    if (lengths[s] != 0) h.symbol[offset[lengths[s]]++] = static_cast<std::uint16_t>(s);
  }
  return h;
}

int Decode(BitReader& in, const Huffman& h) {
  int code = 0, first = 0, index = 0;
  for (int len = 1; len <= kMaxCodeBits; ++len) {
    code |= static_cast<int>(in.NextBit());
    const int count = h.count[len];
    if (code - count < first) return h.symbol[index + (code - first)];
    index += count;
    first = (first + count) << 1;
    code <<= 1;
  }
  throw Malformed{};
}

void PutByte(std::string& out, char c) {
  if (out.size() >= kMaxInflatedSize) throw Malformed{};
  out += c;
}

void InflateCodes(BitReader& in, std::string& out, const Huffman& lengths, const Huffman& distances) {
  // Every symbol consumes at least one bit, so the input bounds the loop.
  for (;;) {
    const int symbol = Decode(in, lengths);
    if (symbol < kEndOfBlock) {
      PutByte(out, static_cast<char>(symbol));
      continue;
    }
    if (symbol == kEndOfBlock) return;
    const std::size_t l = static_cast<std::size_t>(symbol - kEndOfBlock - 1);
    if (l >= kLengthBase.size()) throw Malformed{};
    const std::size_t length = kLengthBase[l] + in.Bits(kLengthExtra[l]);
    const auto d = static_cast<std::size_t>(Decode(in, distances));
    if (d >= kDistanceBase.size()) throw Malformed{};
    const std::size_t distance = kDistanceBase[d] + in.Bits(kDistanceExtra[d]);
    if (distance > out.size()) throw Malformed{};
    for (std::size_t k = 0; k < length; ++k) PutByte(out, out[out.size() - distance]);
  }
}

void InflateStored(BitReader& in, std::string& out) {
  in.AlignToByte();
  const unsigned length = in.Byte() | (in.Byte() << 8);
  const unsigned complement = in.Byte() | (in.Byte() << 8);
  if ((length ^ 0xFFFFu) != complement) throw Malformed{};
  for (unsigned k = 0; k < length; ++k) PutByte(out, static_cast<char>(in.Byte()));
}

void InflateFixed(BitReader& in, std::string& out) {
  static const std::pair<Huffman, Huffman> codes = [] {
    std::array<std::uint8_t, kLiteralLengthCodes> lengths{};
    for (int s = 0; s < kLiteralLengthCodes; ++s) lengths[s] = s < 144 ? 8 : s < 256 ? 9 : s < 280 ? 7 : 8;
    std::array<std::uint8_t, kDistanceCodes> distance_lengths{};
    distance_lengths.fill(5);
    return std::pair{BuildCode(lengths.data(), kLiteralLengthCodes), BuildCode(distance_lengths.data(), kDistanceCodes)};
  }();
  InflateCodes(in, out, codes.first, codes.second);
}

void InflateDynamic(BitReader& in, std::string& out) {
  const unsigned literal_count = in.Bits(5) + 257;
  const unsigned distance_count = in.Bits(5) + 1;
  const unsigned code_length_count = in.Bits(4) + 4;
  if (literal_count > 286 || distance_count > kDistanceCodes) throw Malformed{};
  std::array<std::uint8_t, 19> code_lengths{};
  for (unsigned k = 0; k < code_length_count; ++k) code_lengths[kCodeLengthOrder[k]] = static_cast<std::uint8_t>(in.Bits(3));
  const Huffman code_length_code = BuildCode(code_lengths.data(), 19);

  std::array<std::uint8_t, 286 + kDistanceCodes> lengths{};
  const unsigned total = literal_count + distance_count;
  for (unsigned k = 0; k < total;) {
    int symbol = Decode(in, code_length_code);
    if (symbol < 16) {
      lengths[k++] = static_cast<std::uint8_t>(symbol);
      continue;
    }
    std::uint8_t value = 0;
    unsigned repeat = 0;
    if (symbol == 16) {
      if (k == 0) throw Malformed{};
      value = lengths[k - 1];
      repeat = 3 + in.Bits(2);
    } else if (symbol == 17) {
      repeat = 3 + in.Bits(3);
    } else {
      repeat = 11 + in.Bits(7);
    }
    if (k + repeat > total) throw Malformed{};
    while (repeat-- > 0) lengths[k++] = value;
  }
  if (lengths[kEndOfBlock] == 0) throw Malformed{};
  const Huffman literal_code = BuildCode(lengths.data(), static_cast<int>(literal_count));
  const Huffman distance_code = BuildCode(lengths.data() + literal_count, static_cast<int>(distance_count));
  InflateCodes(in, out, literal_code, distance_code);
}

std::uint32_t Adler32(const std::string& data) {
  std::uint32_t a = 1, b = 0;
  for (const char c : data) {
    a = (a + static_cast<unsigned char>(c)) % kAdlerModulus;
    b = (b + a) % kAdlerModulus;
  }
  return (b << 16) | a;
}

}  // namespace

std::optional<std::string> InflateZlib(std::span<const unsigned char> stream) {
  try {
    BitReader in(stream);
    const unsigned cmf = in.Byte(), flags = in.Byte();
    // Deflate with a window of at most 32 KiB, a valid header check and no preset dictionary.
    if ((cmf & 0x0Fu) != 8 || (cmf >> 4) > 7 || (cmf * 256 + flags) % 31 != 0 || (flags & 0x20u) != 0) return {};
    std::string out;
    bool last = false;
    while (!last) {  // each block consumes input, so the input bounds the loop
      last = in.Bits(1) == 1;
      switch (in.Bits(2)) {
        case 0: InflateStored(in, out); break;
        case 1: InflateFixed(in, out); break;
        case 2: InflateDynamic(in, out); break;
        default: return {};
      }
    }
    in.AlignToByte();
    std::uint32_t expected = 0;
    for (int k = 0; k < 4; ++k) expected = (expected << 8) | in.Byte();
    if (expected != Adler32(out)) return {};
    return out;
  } catch (const Malformed&) {
    return {};
  }
}

}  // namespace plotwerk::uableitung
