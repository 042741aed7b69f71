// A canvas for tests that records every drawing call with its arguments and the pen, brush
// and font state at that moment; text metrics are fixed so positions are predictable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace plotwerk::plot::testing {

enum class CallKind { Line, Text, Rectangle, Ellipse, Polygon, SetPixel };

struct CanvasCall {
  CallKind kind = CallKind::Line;
  Point a;  // line start, text position, first corner, pixel
  Point b;  // line end, second corner
  std::string text;
  std::vector<Point> points;
  Rgb color;  // colour of SetPixel
  CanvasState state;
};

class RecordingCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 7;
  static constexpr int kTextHeight = 14;

  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  TextSize TextExtent(std::string_view text) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(std::span<const Point> points) override;
  // The colour of the last SetPixel at (x, y), white otherwise.
  Rgb Pixel(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb c) override;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  std::vector<CanvasCall> Calls(CallKind kind) const;
  std::vector<CanvasCall> Lines() const { return Calls(CallKind::Line); }
  // The lines drawn with this pen colour, in order.
  std::vector<CanvasCall> LinesIn(Rgb colour) const;
  std::vector<CanvasCall> Texts() const { return Calls(CallKind::Text); }
  // The texts drawn with exactly this content, in order.
  std::vector<CanvasCall> TextsEqual(std::string_view text) const;
  void ClearCalls() { calls_.clear(); }

 protected:
  void DrawLine(Point from, Point to) override;

 private:
  CanvasCall Make(CallKind kind) const;
  std::vector<CanvasCall> calls_;
};

}  // namespace plotwerk::plot::testing
