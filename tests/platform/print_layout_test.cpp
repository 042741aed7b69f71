// Print page geometry: margins, picture height by the aspect ratio, masking bands.
#include "platform/print_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plotwerk::platform {
namespace {

TEST(PrintLayout, A4At600DpiWithTheWideDrawingArea) {
  // 846 x 597 picture on a page of 4961 x 7016 printer pixels.
  const PrintLayout layout = ComputePrintLayout(846, 597, 4961, 7016);
  EXPECT_EQ(layout.target, (Box{20, 20, 4941, 3487}));  // 4941 / 846 * 597 = 3486.72
  EXPECT_EQ(layout.target.Width(), 4961 - 40);
  EXPECT_EQ(layout.target.Height(), 3487 - 20);
  EXPECT_EQ(layout.band_bottom, 1216);  // 7016 * 846 / 4961 + 20 = 1216.47
  const std::array<Box, 4> bands{{{-20, -20, 866, -1}, {-20, -20, -1, 1216}, {847, -20, 866, 1216},
                                  {-20, 598, 866, 1216}}};
  EXPECT_EQ(layout.bands, bands);
}

TEST(PrintLayout, HeightRoundsHalvesToEven) {
  // (page width - 20) / W * H lands on .5: 1.5 -> 2, 2.5 -> 2.
  EXPECT_EQ(ComputePrintLayout(2, 3, 21, 100).target.bottom, 2);
  EXPECT_EQ(ComputePrintLayout(2, 5, 21, 100).target.bottom, 2);
  EXPECT_EQ(ComputePrintLayout(2, 7, 21, 100).target.bottom, 4);  // 3.5 -> 4
  // page height * W / page width + 20 = 20.5 -> 20
  EXPECT_EQ(ComputePrintLayout(1, 1, 2, 1).band_bottom, 20);
}

TEST(PrintLayout, DegenerateSizesStayFinite) {
  const PrintLayout layout = ComputePrintLayout(0, 0, 0, 0);
  EXPECT_EQ(layout.target.left, 20);
  EXPECT_EQ(layout.band_bottom, 21);
}

// Records the rectangles and the pen and brush they were drawn with.
class RectangleRecorder : public plot::Canvas {
 public:
  std::vector<std::string> log;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override {
    const plot::CanvasState& s = State();
    log.push_back(std::to_string(x1) + " " + std::to_string(y1) + " " + std::to_string(x2) + " " +
                  std::to_string(y2) + (s.pen_style == plot::PenStyle::Clear ? " nopen" : " pen") +
                  (s.brush_style == plot::BrushStyle::Solid && s.brush_color == plot::kWhite ? " white" : " other"));
  }
  void TextOut(std::int32_t, std::int32_t, std::string_view) override {}
  plot::TextSize TextExtent(std::string_view) override { return {}; }
  void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Polygon(std::span<const plot::Point>) override {}
  plot::Rgb Pixel(std::int32_t, std::int32_t) override { return {}; }
  void SetPixel(std::int32_t, std::int32_t, plot::Rgb) override {}

 protected:
  void DrawLine(plot::Point, plot::Point) override {}
};

TEST(PrintLayout, BandsAreWhiteWithoutOutline) {
  RectangleRecorder canvas;
  canvas.SetBrushStyle(plot::BrushStyle::Clear);
  PaintMaskingBands(canvas, ComputePrintLayout(100, 50, 1000, 2000));
  const std::vector<std::string> expected = {"-20 -20 120 -1 nopen white", "-20 -20 -1 220 nopen white",
                                             "101 -20 120 220 nopen white", "-20 51 120 220 nopen white"};
  EXPECT_EQ(canvas.log, expected);
}

}  // namespace
}  // namespace plotwerk::platform
