// BMP encoders: the picture in full colour (24 or 32 bits per pixel) and reduced to the
// 16-colour VGA palette (4 bits per pixel). Pure C++, no toolkit.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/raster_image.h"

namespace plotwerk::platform {

// The standard 16-colour palette of Windows (the VGA colours), in palette order:
// black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime, yellow, blue,
// fuchsia, aqua, white.
inline constexpr std::array<plot::Rgb, 16> kVgaPalette{{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// Index of the palette colour nearest to `c` (squared RGB distance; the lower index on a tie).
int NearestVgaIndex(plot::Rgb c);

// Fills `row` (width pixels) with row y of the picture, 0 being the top row.
using RowSource = std::function<void(int y, plot::Rgb* row)>;
// Receives the encoded file piece by piece.
using ByteOutput = std::function<void(const std::uint8_t* data, std::size_t size)>;

// The encoders below, row by row: a picture of any size needs a few rows of memory. The rows
// are asked for bottom-up, as BMP stores them. ExportError as below; an exception of `out`
// passes on.
void WriteBmp(int width, int height, int bits_per_pixel, const RowSource& rows, const ByteOutput& out);
void WriteBmp16(int width, int height, const RowSource& rows, const ByteOutput& out);

// BI_RGB bitmap, bottom-up rows; bits_per_pixel is 24 or 32 (ExportError otherwise).
std::vector<std::uint8_t> EncodeBmp(const RasterImage& image, int bits_per_pixel);

// 4 bits per pixel with kVgaPalette; every pixel takes its nearest palette colour, no dithering.
std::vector<std::uint8_t> EncodeBmp16(const RasterImage& image);

}  // namespace plotwerk::platform
