// A plain pixel canvas for tests that need pixels: GDI-like lines (end pixel left out, square
// wide pens, 1-on-1-off dots), exclusive right and bottom edges, invert mode and clipping.
// Text is drawn as one solid block of the font colour per non-blank character.
#pragma once

#include <cstdint>
#include <vector>

#include "plot/canvas.h"

namespace plotwerk::plot::testing {

class RasterCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 14;

  RasterCanvas(int width, int height, Rgb fill = kWhite);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // The pixel at (x, y); white outside the surface.
  Rgb At(int x, int y) const;
  // How many pixels have colour c.
  int Count(Rgb c) const;
  // How many pixels of column x (or row y) have colour c.
  int CountInColumn(int x, Rgb c) const;
  int CountInRow(int y, Rgb c) const;

  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(std::span<const Point> points) override;
  Rgb Pixel(std::int32_t x, std::int32_t y) override { return At(x, y); }
  void SetPixel(std::int32_t x, std::int32_t y, Rgb c) override;

 protected:
  void DrawLine(Point from, Point to) override;

 private:
  bool Inside(std::int64_t x, std::int64_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }
  // Collects the pixels of the line (without the end pixel when include_end is false).
  void LinePixels(Point from, Point to, bool include_end, std::vector<Point>& out) const;
  // Paints pixels with the pen: colour or inversion, each pixel once.
  void PenPixels(std::vector<Point>& pixels);
  void Fill(std::int64_t x, std::int64_t y, Rgb c);

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace plotwerk::plot::testing
