// BMP file layout: BITMAPFILEHEADER, BITMAPINFOHEADER, optional palette, bottom-up pixel rows
// padded to four bytes.
#include "platform/bmp_writer.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre96Dpi = 3780;  // 96 dots per inch

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  void U8(std::uint8_t v) { out_.push_back(v); }
  void U16(std::uint16_t v) { U8(v & 0xFF); U8(v >> 8); }
  void U32(std::uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }

 private:
  std::vector<std::uint8_t>& out_;
};

std::uint32_t RowStride(int width, int bits_per_pixel) {
  return ((static_cast<std::uint32_t>(width) * bits_per_pixel + 31) / 32) * 4;
}

void CheckImage(const RasterImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    throw ExportError("The picture has no pixels to save.");
  // Keeps the file size inside the 32-bit fields of the header.
  const std::uint64_t bytes = std::uint64_t{RowStride(image.width, 32)} * image.height;
  if (bytes > std::numeric_limits<std::int32_t>::max())
    throw ExportError("The picture is too large for a BMP file.");
}

void WriteHeaders(ByteWriter& w, const RasterImage& image, int bits_per_pixel, std::uint32_t colours) {
  const std::uint32_t image_size = RowStride(image.width, bits_per_pixel) * image.height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;
  w.U8('B');
  w.U8('M');
  w.U32(offset + image_size);
  w.U16(0);
  w.U16(0);
  w.U32(offset);
  w.U32(kInfoHeaderSize);
  w.I32(image.width);
  w.I32(image.height);  // positive: rows stored bottom-up
  w.U16(1);             // planes
  w.U16(static_cast<std::uint16_t>(bits_per_pixel));
  w.U32(0);  // BI_RGB
  w.U32(image_size);
  w.I32(kPixelsPerMetre96Dpi);
  w.I32(kPixelsPerMetre96Dpi);
  w.U32(colours);
  w.U32(0);  // all colours important
}

}  // namespace

int NearestVgaIndex(plot::Rgb c) {
  int best = 0;
  int best_distance = std::numeric_limits<int>::max();
  for (int i = 0; i < static_cast<int>(kVgaPalette.size()); ++i) {
    const int dr = c.r - kVgaPalette[i].r, dg = c.g - kVgaPalette[i].g, db = c.b - kVgaPalette[i].b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < best_distance) {
      best_distance = distance;
      best = i;
    }
  }
  return best;
}

std::vector<std::uint8_t> EncodeBmp(const RasterImage& image, int bits_per_pixel) {
  if (bits_per_pixel != 24 && bits_per_pixel != 32)
    throw ExportError("Unsupported BMP pixel format: " + std::to_string(bits_per_pixel) + " bits.");
  CheckImage(image);
  std::vector<std::uint8_t> out;
  const std::uint32_t stride = RowStride(image.width, bits_per_pixel);
  out.reserve(kFileHeaderSize + kInfoHeaderSize + std::size_t{stride} * image.height);
  ByteWriter w(out);
  WriteHeaders(w, image, bits_per_pixel, 0);
  const std::uint32_t used = static_cast<std::uint32_t>(image.width) * (bits_per_pixel / 8);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const plot::Rgb c = image.At(x, y);
      w.U8(c.b);
      w.U8(c.g);
      w.U8(c.r);
      if (bits_per_pixel == 32) w.U8(0);
    }
    for (std::uint32_t pad = used; pad < stride; ++pad) w.U8(0);
  }
  return out;
}

std::vector<std::uint8_t> EncodeBmp16(const RasterImage& image) {
  CheckImage(image);
  std::vector<std::uint8_t> out;
  const std::uint32_t stride = RowStride(image.width, 4);
  ByteWriter w(out);
  WriteHeaders(w, image, 4, static_cast<std::uint32_t>(kVgaPalette.size()));
  for (const plot::Rgb c : kVgaPalette) {
    w.U8(c.b);
    w.U8(c.g);
    w.U8(c.r);
    w.U8(0);
  }
  std::vector<std::uint8_t> row(stride);
  for (int y = image.height - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < image.width; ++x) {
      // The left pixel of each pair goes into the high nibble.
      const auto index = static_cast<std::uint8_t>(NearestVgaIndex(image.At(x, y)));
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

}  // namespace plotwerk::platform
