// A small inflater for one zlib stream (RFC 1950 around RFC 1951 deflate), so that every build
// unpacks the embedded rewrite table with the same code and none needs the zlib library.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace plotwerk::uableitung {

// Streams that would inflate to more than this are refused.
inline constexpr std::size_t kMaxInflatedSize = std::size_t{1} << 22;

// The inflated bytes of one complete zlib stream (bytes after its checksum are ignored), or
// nothing when the header, a block or the Adler-32 checksum is wrong or the stream ends early.
std::optional<std::string> InflateZlib(std::span<const unsigned char> stream);

}  // namespace plotwerk::uableitung
