// A strict reader of Enhanced Metafiles for the tests: walks every record, checks the header,
// the record sizes and the end-of-file record, and decodes the drawing records.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace plotwerk::platform::testing {

struct EmfHeader {
  std::array<std::int32_t, 4> bounds{};  // left, top, right, bottom (inclusive, pixels)
  std::array<std::int32_t, 4> frame{};   // the same in 0.01 mm
  std::uint32_t bytes = 0;
  std::uint32_t records = 0;
  std::uint16_t handles = 0;
  std::array<std::int32_t, 2> device{};
  std::array<std::int32_t, 2> millimetres{};
};

struct EmfRecord {
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  std::vector<std::uint8_t> payload;  // the bytes after type and size

  std::uint32_t U32(std::size_t offset) const;  // offset counted from the record start
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
};

struct EmfFile {
  EmfHeader header;
  std::vector<EmfRecord> records;  // header and end-of-file record included
};

// Throws std::runtime_error naming the first inconsistency found.
EmfFile ParseEmf(std::span<const std::uint8_t> bytes);

// The drawing and state records as short text lines ("LineTo 3 4", "Pen 1 0 0000ff", ...),
// in file order, for comparing a recording with what was drawn. Object handles are left out.
std::vector<std::string> DescribeRecords(const EmfFile& file);

}  // namespace plotwerk::platform::testing
