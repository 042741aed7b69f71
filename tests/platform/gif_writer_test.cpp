// GIF files decoded back with giflib: the palette and every pixel's index.
#include "platform/gif_writer.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <cstring>

namespace plotwerk::platform {
namespace {

struct Reader {
  const std::vector<std::uint8_t>* bytes;
  std::size_t at = 0;
};

int ReadBytes(GifFileType* gif, GifByteType* out, int length) {
  auto* r = static_cast<Reader*>(gif->UserData);
  const std::size_t n = std::min<std::size_t>(length, r->bytes->size() - r->at);
  std::memcpy(out, r->bytes->data() + r->at, n);
  r->at += n;
  return static_cast<int>(n);
}

// Decodes with giflib and checks every pixel's palette entry against the reduction of `source`.
void ExpectDecodesTo(const std::vector<std::uint8_t>& gif_bytes, const RasterImage& source) {
  Reader reader{&gif_bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadBytes, &error);
  ASSERT_NE(gif, nullptr) << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
  EXPECT_EQ(gif->SWidth, source.width);
  EXPECT_EQ(gif->SHeight, source.height);
  ASSERT_EQ(gif->ImageCount, 1);
  const SavedImage& image = gif->SavedImages[0];
  const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
  ASSERT_NE(map, nullptr);
  ASSERT_GE(map->ColorCount, kWebPaletteSize);
  for (int y = 0; y < source.height; ++y)
    for (int x = 0; x < source.width; ++x) {
      const int index = image.RasterBits[y * source.width + x];
      ASSERT_EQ(index, WebPaletteIndex(source.At(x, y))) << "at " << x << "," << y;
      const GifColorType c = map->Colors[index];
      const plot::Rgb want = WebPaletteColour(index);
      ASSERT_EQ((plot::Rgb{c.Red, c.Green, c.Blue}), want);
    }
  DGifCloseFile(gif, &error);
}

TEST(WebPalette, LevelBoundaries) {
  const std::pair<int, int> boundaries[] = {{47, 0}, {48, 1}, {98, 1}, {99, 2}, {149, 2}, {150, 3},
                                            {200, 3}, {201, 4}, {251, 4}, {252, 5}, {0, 0}, {255, 5}};
  for (const auto& [c, level] : boundaries) EXPECT_EQ(PaletteLevel(static_cast<std::uint8_t>(c)), level) << c;
}

TEST(WebPalette, IndexOrderRedSlowestBlueFastest) {
  EXPECT_EQ(WebPaletteIndex({0, 0, 0}), 0);
  EXPECT_EQ(WebPaletteIndex({0, 0, 255}), 5);
  EXPECT_EQ(WebPaletteIndex({0, 255, 0}), 30);
  EXPECT_EQ(WebPaletteIndex({255, 0, 0}), 180);
  EXPECT_EQ(WebPaletteIndex({255, 255, 255}), 215);
  EXPECT_EQ(WebPaletteIndex({100, 150, 201}), 36 * 2 + 6 * 3 + 4);
  for (int i = 0; i < kWebPaletteSize; ++i) EXPECT_EQ(WebPaletteIndex(WebPaletteColour(i)), i);
}

TEST(GifWriter, EveryPixelDecodesToItsReduction) {
  // Each row runs one channel through all 256 values, so every level boundary is crossed.
  RasterImage source(256, 4);
  for (int x = 0; x < 256; ++x) {
    const auto v = static_cast<std::uint8_t>(x);
    source.At(x, 0) = {v, 0, 0};
    source.At(x, 1) = {0, v, 0};
    source.At(x, 2) = {0, 0, v};
    source.At(x, 3) = {v, static_cast<std::uint8_t>(255 - v), static_cast<std::uint8_t>(x * 7)};
  }
  const std::vector<std::uint8_t> gif = EncodeGif(source);
  ASSERT_GE(gif.size(), 6u);
  EXPECT_EQ(std::string(gif.begin(), gif.begin() + 3), "GIF");
  EXPECT_EQ(gif.back(), 0x3B);  // trailer
  ExpectDecodesTo(gif, source);
}

TEST(GifWriter, PlainPictureCompresses) {
  RasterImage source(300, 200, plot::kWhite);
  for (int x = 0; x < 300; ++x) source.At(x, 100) = {255, 0, 0};
  const std::vector<std::uint8_t> gif = EncodeGif(source);
  EXPECT_LT(gif.size(), 300u * 200 / 10);  // LZW, not raw indices
  ExpectDecodesTo(gif, source);
}

TEST(GifWriter, RejectsWhatItCannotWrite) {
  EXPECT_THROW(EncodeGif(RasterImage()), std::runtime_error);
  EXPECT_THROW(EncodeGif(RasterImage(70000, 1)), std::runtime_error);
}

}  // namespace
}  // namespace plotwerk::platform
