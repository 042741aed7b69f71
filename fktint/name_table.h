// The function name table: the names a term may call, and the lookup of a (possibly shortened)
// name by its first occurrence in the table text, resolved at compile time into a small hash index.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace plotwerk::fktint::detail {

// Names are found by their first occurrence as a substring of this text, so a prefix of an entry
// selects it only when the prefix does not occur earlier (S selects SQR, CS fails inside ARCSIN).
inline constexpr std::string_view kNameTable =
    "SQR SQRT EXP LN ABS SI SIN COS TAN ARCCOS LG ARCTAN SINH COSH TANH INT SGN F1 F2 F3 F4 COT LD "
    "ARCSIN ARSINH ARCOSH ARTANH SEC GAMMA GAUSS DIGAMMA CSC FRAC HEAVISIDE ARCCOT ARCSEC";

// The entries in table order; kNone is "no function".
enum class Function : std::uint8_t {
  kNone,
  kSqr, kSqrt, kExp, kLn, kAbs, kSi, kSin, kCos, kTan, kArccos, kLg, kArctan, kSinh, kCosh,
  kTanh, kInt, kSgn, kF1, kF2, kF3, kF4, kCot, kLd, kArcsin, kArsinh, kArcosh, kArtanh, kSec,
  kGamma, kGauss, kDigamma, kCsc, kFrac, kHeaviside, kArccot, kArcsec,
};

inline constexpr std::size_t kLongestName = 9;  // HEAVISIDE

// The 1-based position of the first occurrence of name in the table text, 0 when absent.
constexpr std::size_t NamePosition(std::string_view name) {
  if (name.empty()) return 0;
  const std::size_t at = kNameTable.find(name);
  return at == std::string_view::npos ? 0 : at + 1;
}

// The function whose entry begins at the 1-based position, kNone for any other position.
constexpr Function FunctionAtPosition(std::size_t position) {
  std::size_t start = 1;
  std::uint8_t index = 1;
  for (std::size_t i = 0; i <= kNameTable.size(); ++i) {
    if (i == kNameTable.size() || kNameTable[i] == ' ') {
      if (position == start) return static_cast<Function>(index);
      start = i + 2;
      ++index;
    }
  }
  return Function::kNone;
}

constexpr std::uint32_t HashName(std::string_view name) {
  std::uint32_t hash = static_cast<std::uint32_t>(name.size());
  for (char c : name) hash = hash * 131u + static_cast<unsigned char>(c);
  return hash;
}

struct NameSlot {
  char text[kLongestName] = {};
  std::uint8_t length = 0;
  Function function = Function::kNone;
};

inline constexpr std::size_t kNameSlots = 512;  // power of two, well above the ~150 valid names

// Every name that selects a function: the prefixes of an entry whose first occurrence is that
// entry's start. Any other text selects nothing, so only these need an index.
constexpr std::array<NameSlot, kNameSlots> BuildNameIndex() {
  std::array<NameSlot, kNameSlots> slots{};
  std::size_t start = 0;
  for (std::size_t i = 0; i <= kNameTable.size(); ++i) {
    if (i != kNameTable.size() && kNameTable[i] != ' ') continue;
    const Function function = FunctionAtPosition(start + 1);
    for (std::size_t length = 1; length <= i - start; ++length) {
      const std::string_view name = kNameTable.substr(start, length);
      if (NamePosition(name) != start + 1) continue;
      std::size_t slot = HashName(name) & (kNameSlots - 1);
      while (slots[slot].length != 0) slot = (slot + 1) & (kNameSlots - 1);
      for (std::size_t k = 0; k < length; ++k) slots[slot].text[k] = name[k];
      slots[slot].length = static_cast<std::uint8_t>(length);
      slots[slot].function = function;
    }
    start = i + 1;
  }
  return slots;
}

inline constexpr std::array<NameSlot, kNameSlots> kNameIndex = BuildNameIndex();

// Same answer as FunctionAtPosition(NamePosition(name)), in a few instructions.
inline Function LookupFunction(std::string_view name) {
  if (name.empty() || name.size() > kLongestName) return Function::kNone;
  std::size_t slot = HashName(name) & (kNameSlots - 1);
  while (kNameIndex[slot].length != 0) {
    const NameSlot& entry = kNameIndex[slot];
    if (entry.length == name.size()) {
      std::size_t k = 0;  // names are short: a plain loop beats a memcmp call
      while (k < name.size() && entry.text[k] == name[k]) ++k;
      if (k == name.size()) return entry.function;
    }
    slot = (slot + 1) & (kNameSlots - 1);
  }
  return Function::kNone;
}

static_assert(kNameTable.size() == 178);
static_assert(FunctionAtPosition(NamePosition("HEAVISIDE")) == Function::kHeaviside);
static_assert(NamePosition("HEAVISIDE") == 156 && NamePosition("ARCSEC") == 173);
static_assert(NamePosition("F1") == 76 && NamePosition("F4") == 85);

}  // namespace plotwerk::fktint::detail
