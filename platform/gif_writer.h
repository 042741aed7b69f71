// GIF encoder of the picture reduced to the fixed 216-colour palette (six levels per channel),
// written with giflib's LZW encoder.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/bmp_writer.h"
#include "platform/raster_image.h"

namespace plotwerk::platform {

inline constexpr int kPaletteLevels = 6;
inline constexpr int kPaletteLevelStep = 51;  // the levels are 0, 51, 102, 153, 204, 255
inline constexpr int kWebPaletteSize = kPaletteLevels * kPaletteLevels * kPaletteLevels;

// Level number 0..5 of a channel value: (c + 3) div 51.
constexpr int PaletteLevel(std::uint8_t c) { return (c + 3) / kPaletteLevelStep; }

// Index 36 r + 6 g + b of the level numbers; red changes slowest, blue fastest.
constexpr int WebPaletteIndex(plot::Rgb c) {
  return kPaletteLevels * kPaletteLevels * PaletteLevel(c.r) + kPaletteLevels * PaletteLevel(c.g) +
         PaletteLevel(c.b);
}

constexpr plot::Rgb WebPaletteColour(int index) {
  const auto level = [](int n) { return static_cast<std::uint8_t>(n * kPaletteLevelStep); };
  return {level(index / (kPaletteLevels * kPaletteLevels)), level(index / kPaletteLevels % kPaletteLevels),
          level(index % kPaletteLevels)};
}

// One image, global colour table of 256 entries (the 216 palette colours, then black),
// every pixel mapped on its own without dithering. ExportError when giflib fails or the
// picture is larger than a GIF can hold.
std::vector<std::uint8_t> EncodeGif(const RasterImage& image);

// The same, row by row from the top (see WriteBmp); an exception of `out` passes on.
void WriteGif(int width, int height, const RowSource& rows, const ByteOutput& out);

}  // namespace plotwerk::platform
