// A canvas that keeps the drawing state and discards every drawing call: a redraw on it costs
// only the evaluation and the logic, and still fills the result list.
#pragma once

#include "plot/canvas.h"

namespace plotwerk::plot {

class NullCanvas final : public Canvas {
 public:
  // Text metrics close to Verdana 9 pt, so label positions and stacking behave as on screen.
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 14;

  void TextOut(std::int32_t, std::int32_t, std::string_view) override {}
  TextSize TextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * kCharWidth, kTextHeight};
  }
  void Rectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Polygon(std::span<const Point>) override {}
  Rgb Pixel(std::int32_t, std::int32_t) override { return kWhite; }
  void SetPixel(std::int32_t, std::int32_t, Rgb) override {}

 protected:
  void DrawLine(Point, Point) override {}
};

}  // namespace plotwerk::plot
