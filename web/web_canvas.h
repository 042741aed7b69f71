// WebCanvas: records the primitives of one redraw into a compact buffer of 32-bit integers that
// the page replays on an HTML canvas. Geometry is clipped here, in real arithmetic, so the page
// only ever sees coordinates near the drawing area; text is measured by the browser.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "plot/canvas.h"
#include "plot/write_only_canvas.h"

namespace plotwerk::web {

// The record layout, read by web/replay.js: an opcode followed by its operands.
enum class Op : std::int32_t {
  // pen colour, pen width, pen style, pen mode, brush colour, brush style, font size (points),
  // font colour, flags (kFlag...)
  State = 1,
  Line = 2,       // x1 y1 x2 y2
  Text = 3,       // x y n, then the n UTF-16 code units shown, one per integer
  Rectangle = 4,  // left top right bottom
  Ellipse = 5,    // left top right bottom
  Polygon = 6,    // n, then n pairs x y
  Pixel = 7,      // x y colour
};
inline constexpr std::int32_t kFlagTransparentText = 1;
inline constexpr std::int32_t kFlagSymbolFont = 2;

// Measures the shown characters in the browser's font at this size: width and height in CSS pixels.
using TextMeasurer = plot::TextSize (*)(const std::u16string& shown, int font_size);

// The picture is not read back (every pixel reads white); markers are found by position, as the
// page knows them.
class WebCanvas final : public plot::WriteOnlyCanvas {
 public:
  WebCanvas(int width, int height, TextMeasurer measurer);

  const std::vector<std::int32_t>& Record() const { return record_; }

  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  plot::TextSize TextExtent(std::string_view text) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(std::span<const plot::Point> points) override;
  void SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) override;

 protected:
  void DrawLine(plot::Point from, plot::Point to) override;
  void OnStateChanged() override { state_dirty_ = true; }

 private:
  void Emit(Op op);
  void EmitPoints(const std::vector<std::pair<double, double>>& points);
  std::u16string Shown(std::string_view text) const;

  int width_;
  int height_;
  TextMeasurer measurer_;
  std::vector<std::int32_t> record_;
  bool state_dirty_ = true;
  // Labels repeat from one redraw to the next; the browser is asked once per text and font.
  std::unordered_map<std::u16string, plot::TextSize> measured_;
};

}  // namespace plotwerk::web
