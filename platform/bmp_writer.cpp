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

void CheckSize(int width, int height) {
  if (width <= 0 || height <= 0) throw ExportError("The picture has no pixels to save.");
  // Keeps the file size inside the 32-bit fields of the header.
  const std::uint64_t bytes = std::uint64_t{RowStride(width, 32)} * static_cast<std::uint64_t>(height);
  if (bytes > std::numeric_limits<std::int32_t>::max()) throw ExportError("The picture is too large for a BMP file.");
}

void CheckImage(const RasterImage& image) {
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    throw ExportError("The picture has no pixels to save.");
  CheckSize(image.width, image.height);
}

std::vector<std::uint8_t> Headers(int width, int height, int bits_per_pixel, std::uint32_t colours) {
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  const std::uint32_t image_size = RowStride(width, bits_per_pixel) * height;
  const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * colours;
  w.U8('B');
  w.U8('M');
  w.U32(offset + image_size);
  w.U16(0);
  w.U16(0);
  w.U32(offset);
  w.U32(kInfoHeaderSize);
  w.I32(width);
  w.I32(height);  // positive: rows stored bottom-up
  w.U16(1);       // planes
  w.U16(static_cast<std::uint16_t>(bits_per_pixel));
  w.U32(0);  // BI_RGB
  w.U32(image_size);
  w.I32(kPixelsPerMetre96Dpi);
  w.I32(kPixelsPerMetre96Dpi);
  w.U32(colours);
  w.U32(0);  // all colours important
  return out;
}

RowSource RowsOf(const RasterImage& image) {
  return [&image](int y, plot::Rgb* row) {
    std::copy_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width, row);
  };
}

ByteOutput Into(std::vector<std::uint8_t>& out) {
  return [&out](const std::uint8_t* data, std::size_t size) { out.insert(out.end(), data, data + size); };
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

void WriteBmp(int width, int height, int bits_per_pixel, const RowSource& rows, const ByteOutput& out) {
  if (bits_per_pixel != 24 && bits_per_pixel != 32)
    throw ExportError("Unsupported BMP pixel format: " + std::to_string(bits_per_pixel) + " bits.");
  CheckSize(width, height);
  const std::vector<std::uint8_t> headers = Headers(width, height, bits_per_pixel, 0);
  out(headers.data(), headers.size());
  const std::size_t bytes_per_pixel = static_cast<std::size_t>(bits_per_pixel / 8);
  std::vector<plot::Rgb> pixels(static_cast<std::size_t>(width));
  std::vector<std::uint8_t> row(RowStride(width, bits_per_pixel), 0);  // the padding stays 0
  for (int y = height - 1; y >= 0; --y) {
    rows(y, pixels.data());
    for (std::size_t x = 0; x < pixels.size(); ++x) {
      std::uint8_t* p = &row[x * bytes_per_pixel];
      p[0] = pixels[x].b;
      p[1] = pixels[x].g;
      p[2] = pixels[x].r;
    }
    out(row.data(), row.size());
  }
}

void WriteBmp16(int width, int height, const RowSource& rows, const ByteOutput& out) {
  CheckSize(width, height);
  std::vector<std::uint8_t> headers = Headers(width, height, 4, static_cast<std::uint32_t>(kVgaPalette.size()));
  for (const plot::Rgb c : kVgaPalette) headers.insert(headers.end(), {c.b, c.g, c.r, 0});
  out(headers.data(), headers.size());
  std::vector<plot::Rgb> pixels(static_cast<std::size_t>(width));
  std::vector<std::uint8_t> row(RowStride(width, 4));
  for (int y = height - 1; y >= 0; --y) {
    rows(y, pixels.data());
    std::fill(row.begin(), row.end(), 0);
    for (int x = 0; x < width; ++x) {
      // The left pixel of each pair goes into the high nibble.
      const auto index = static_cast<std::uint8_t>(NearestVgaIndex(pixels[x]));
      row[x / 2] |= (x % 2 == 0) ? static_cast<std::uint8_t>(index << 4) : index;
    }
    out(row.data(), row.size());
  }
}

std::vector<std::uint8_t> EncodeBmp(const RasterImage& image, int bits_per_pixel) {
  CheckImage(image);
  std::vector<std::uint8_t> out;
  WriteBmp(image.width, image.height, bits_per_pixel, RowsOf(image), Into(out));
  return out;
}

std::vector<std::uint8_t> EncodeBmp16(const RasterImage& image) {
  CheckImage(image);
  std::vector<std::uint8_t> out;
  WriteBmp16(image.width, image.height, RowsOf(image), Into(out));
  return out;
}

}  // namespace plotwerk::platform
