// RecordingCanvas: appends one CanvasCall per drawing operation.
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot::testing {

CanvasCall RecordingCanvas::Make(CallKind kind) const {
  CanvasCall call;
  call.kind = kind;
  call.state = State();
  return call;
}

void RecordingCanvas::DrawLine(Point from, Point to) {
  CanvasCall call = Make(CallKind::Line);
  call.a = from;
  call.b = to;
  calls_.push_back(std::move(call));
}

void RecordingCanvas::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  CanvasCall call = Make(CallKind::Text);
  call.a = {x, y};
  call.text = std::string(text);
  calls_.push_back(std::move(call));
}

TextSize RecordingCanvas::TextExtent(std::string_view text) {
  return {kCharWidth * static_cast<int>(text.size()), kTextHeight};
}

void RecordingCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  CanvasCall call = Make(CallKind::Rectangle);
  call.a = {x1, y1};
  call.b = {x2, y2};
  calls_.push_back(std::move(call));
}

void RecordingCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  CanvasCall call = Make(CallKind::Ellipse);
  call.a = {x1, y1};
  call.b = {x2, y2};
  calls_.push_back(std::move(call));
}

void RecordingCanvas::Polygon(std::span<const Point> points) {
  CanvasCall call = Make(CallKind::Polygon);
  call.points.assign(points.begin(), points.end());
  calls_.push_back(std::move(call));
}

Rgb RecordingCanvas::Pixel(std::int32_t x, std::int32_t y) {
  for (auto it = calls_.rbegin(); it != calls_.rend(); ++it) {
    if (it->kind == CallKind::SetPixel && it->a == Point{x, y}) return it->color;
  }
  return kWhite;
}

void RecordingCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb c) {
  CanvasCall call = Make(CallKind::SetPixel);
  call.a = {x, y};
  call.color = c;
  calls_.push_back(std::move(call));
}

std::vector<CanvasCall> RecordingCanvas::Calls(CallKind kind) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& call : calls_) {
    if (call.kind == kind) out.push_back(call);
  }
  return out;
}

std::vector<CanvasCall> RecordingCanvas::LinesIn(Rgb colour) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& call : calls_) {
    if (call.kind == CallKind::Line && call.state.pen_color == colour) out.push_back(call);
  }
  return out;
}

std::vector<CanvasCall> RecordingCanvas::TextsEqual(std::string_view text) const {
  std::vector<CanvasCall> out;
  for (const CanvasCall& call : calls_) {
    if (call.kind == CallKind::Text && call.text == text) out.push_back(call);
  }
  return out;
}

}  // namespace plotwerk::plot::testing
