// BMP files read back: header fields by hand, pixels through Qt's independent BMP reader.
#include "platform/bmp_writer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <set>

namespace plotwerk::platform {
namespace {

std::uint32_t U32At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t U16At(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

// Odd widths exercise the row padding and the half-filled last nibble.
RasterImage Sample(int w, int h) {
  RasterImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.At(x, y) = {static_cast<std::uint8_t>(x * 37 + y), static_cast<std::uint8_t>(y * 91),
                        static_cast<std::uint8_t>(255 - x * 13)};
  return image;
}

QImage Decode(const std::vector<std::uint8_t>& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP");
}

TEST(BmpWriter, FullColourKeepsEveryPixel) {
  for (const int bits : {24, 32}) {
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{5, 3}, std::pair{8, 7}}) {
      SCOPED_TRACE(std::to_string(bits) + " bits, " + std::to_string(w) + "x" + std::to_string(h));
      const RasterImage source = Sample(w, h);
      const std::vector<std::uint8_t> bmp = EncodeBmp(source, bits);
      const std::uint32_t stride = (w * bits + 31) / 32 * 4;
      ASSERT_EQ(bmp.size(), 54 + stride * h);
      EXPECT_EQ(bmp[0], 'B');
      EXPECT_EQ(bmp[1], 'M');
      EXPECT_EQ(U32At(bmp, 2), bmp.size());
      EXPECT_EQ(U32At(bmp, 10), 54u);
      EXPECT_EQ(U32At(bmp, 14), 40u);
      EXPECT_EQ(U32At(bmp, 18), static_cast<std::uint32_t>(w));
      EXPECT_EQ(U32At(bmp, 22), static_cast<std::uint32_t>(h));
      EXPECT_EQ(U16At(bmp, 28), bits);
      EXPECT_EQ(U32At(bmp, 30), 0u);  // uncompressed
      const QImage decoded = Decode(bmp);
      ASSERT_FALSE(decoded.isNull());
      ASSERT_EQ(decoded.size(), QSize(w, h));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          const QRgb p = decoded.pixel(x, y);
          const plot::Rgb want = source.At(x, y);
          ASSERT_EQ((plot::Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
                               static_cast<std::uint8_t>(qBlue(p))}),
                    want)
              << "at " << x << "," << y;
        }
    }
  }
}

TEST(BmpWriter, SixteenColoursMapEachPixelToItsNearestPaletteColour) {
  const RasterImage source = Sample(7, 5);
  const std::vector<std::uint8_t> bmp = EncodeBmp16(source);
  EXPECT_EQ(U16At(bmp, 28), 4);
  EXPECT_EQ(U32At(bmp, 46), 16u);             // colours used
  EXPECT_EQ(U32At(bmp, 10), 54u + 16 * 4);    // pixels follow the palette
  EXPECT_EQ(bmp.size(), 54u + 64 + 4 * 5);    // 7 pixels = 4 bytes per row
  const QImage decoded = Decode(bmp);
  ASSERT_EQ(decoded.size(), QSize(7, 5));
  std::set<QRgb> colours;
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) {
      const QRgb p = decoded.pixel(x, y) & 0xFFFFFF;
      colours.insert(p);
      const plot::Rgb want = kVgaPalette[NearestVgaIndex(source.At(x, y))];
      ASSERT_EQ(p, qRgb(want.r, want.g, want.b) & 0xFFFFFF) << "at " << x << "," << y;
    }
  EXPECT_LE(colours.size(), 16u);
  EXPECT_GT(colours.size(), 1u);
}

TEST(BmpWriter, NearestPaletteColour) {
  for (int i = 0; i < 16; ++i) EXPECT_EQ(NearestVgaIndex(kVgaPalette[i]), i);
  EXPECT_EQ(NearestVgaIndex({60, 0, 0}), 0);         // nearer black than maroon
  EXPECT_EQ(NearestVgaIndex({70, 0, 0}), 1);         // maroon
  EXPECT_EQ(NearestVgaIndex({200, 200, 200}), 7);    // silver
  EXPECT_EQ(NearestVgaIndex({255, 255, 0}), 11);     // the yellow marker stays yellow
  EXPECT_EQ(NearestVgaIndex({240, 240, 240}), 15);   // the panel grey becomes white
  EXPECT_EQ(NearestVgaIndex({64, 0, 0}), 0);         // a tie keeps the lower index
}

TEST(BmpWriter, RejectsWhatItCannotWrite) {
  EXPECT_THROW(EncodeBmp(Sample(2, 2), 16), std::runtime_error);
  EXPECT_THROW(EncodeBmp(RasterImage(), 24), std::runtime_error);
  EXPECT_THROW(EncodeBmp16(RasterImage()), std::runtime_error);
}

}  // namespace
}  // namespace plotwerk::platform
