// The recording canvas of the browser edition.
#include "web/web_canvas.h"

#include <algorithm>
#include <cmath>

#include "plot/clip.h"
#include "web/text_codec.h"

namespace plotwerk::web {

namespace {

// Geometry is clipped to the drawing area widened by this margin, wide enough for any pen.
constexpr double kGuardMargin = 64;
constexpr std::size_t kMaxMeasuredTexts = 4096;
constexpr std::int64_t kMaxTextOffset = 1 << 22;

std::int32_t Colour(plot::Rgb c) { return (c.r << 16) | (c.g << 8) | c.b; }

std::int32_t Round(double v) { return static_cast<std::int32_t>(std::lround(v)); }

}  // namespace

WebCanvas::WebCanvas(int width, int height, TextMeasurer measurer)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), measurer_(measurer) {
  record_.reserve(1 << 16);
}

void WebCanvas::Emit(Op op) {
  if (state_dirty_ && op != Op::Pixel) {
    const plot::CanvasState& s = State();
    const std::int32_t flags = (s.transparent_text_background ? kFlagTransparentText : 0) |
                               (s.font_name == "Symbol" ? kFlagSymbolFont : 0);
    record_.insert(record_.end(), {static_cast<std::int32_t>(Op::State), Colour(s.pen_color), s.pen_width,
                                   static_cast<std::int32_t>(s.pen_style), static_cast<std::int32_t>(s.pen_mode),
                                   Colour(s.brush_color), static_cast<std::int32_t>(s.brush_style), s.font_size,
                                   Colour(s.font_color), flags});
    state_dirty_ = false;
  }
  record_.push_back(static_cast<std::int32_t>(op));
}

void WebCanvas::DrawLine(plot::Point from, plot::Point to) {
  if (State().pen_style == plot::PenStyle::Clear) return;
  plot::RealPoint a{static_cast<double>(from.x), static_cast<double>(from.y)};
  plot::RealPoint b{static_cast<double>(to.x), static_cast<double>(to.y)};
  const plot::ClipRect guard{-kGuardMargin, -kGuardMargin, width_ + kGuardMargin, height_ + kGuardMargin};
  if (!plot::ClipSegment(a, b, guard)) return;
  Emit(Op::Line);
  record_.insert(record_.end(), {Round(a.x), Round(a.y), Round(b.x), Round(b.y)});
}

void WebCanvas::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  if (x > width_ + kGuardMargin || y > height_ + kGuardMargin || x < -kMaxTextOffset || y < -kMaxTextOffset) return;
  Emit(Op::Text);
  record_.insert(record_.end(), {x, y, static_cast<std::int32_t>(text.size())});
  for (const char16_t c : Shown(text)) record_.push_back(c);
}

std::u16string WebCanvas::Shown(std::string_view text) const {
  const bool symbol = State().font_name == "Symbol";
  std::u16string shown;
  shown.reserve(text.size());
  for (const char c : text) shown += ShownCharacter(static_cast<unsigned char>(c), symbol);
  return shown;
}

plot::TextSize WebCanvas::TextExtent(std::string_view text) {
  const int size = State().font_size;
  std::u16string key = Shown(text);
  key += static_cast<char16_t>(size);  // the size as the last unit of the key
  if (const auto found = measured_.find(key); found != measured_.end()) return found->second;
  if (measured_.size() >= kMaxMeasuredTexts) measured_.clear();
  const plot::TextSize measured = measurer_(key.substr(0, key.size() - 1), size);
  measured_.emplace(std::move(key), measured);
  return measured;
}

void WebCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  auto clamp = [](std::int64_t v, int side) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -kGuardMargin, side + kGuardMargin));
  };
  const std::int32_t left = clamp(std::min(x1, x2), width_), right = clamp(std::max(x1, x2), width_);
  const std::int32_t top = clamp(std::min(y1, y2), height_), bottom = clamp(std::max(y1, y2), height_);
  if (right <= left || bottom <= top) return;
  Emit(Op::Rectangle);
  record_.insert(record_.end(), {left, top, right, bottom});
}

void WebCanvas::EmitPoints(const std::vector<std::pair<double, double>>& points) {
  Emit(Op::Polygon);
  record_.push_back(static_cast<std::int32_t>(points.size()));
  for (const auto& [x, y] : points) record_.insert(record_.end(), {Round(x), Round(y)});
}

void WebCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const double left = std::min(x1, x2), right = std::max(x1, x2);
  const double top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right - left < 1 || bottom - top < 1) return;
  const plot::ClipRect guard{-kGuardMargin, -kGuardMargin, width_ + kGuardMargin, height_ + kGuardMargin};
  if (left >= guard.left && top >= guard.top && right <= guard.right && bottom <= guard.bottom) {
    Emit(Op::Ellipse);
    record_.insert(record_.end(), {x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, x1 < x2 ? x2 : x1, y1 < y2 ? y2 : y1});
    return;
  }
  // A huge ellipse: its clipped outline as a polygon.
  const auto clipped = plot::ClipEllipse(left, top, right, bottom, guard);
  if (clipped.size() < 3) return;
  std::vector<std::pair<double, double>> points;
  for (const auto& p : clipped) points.emplace_back(p.x, p.y);
  EmitPoints(points);
}

void WebCanvas::Polygon(std::span<const plot::Point> points) {
  if (points.empty()) return;
  std::vector<plot::RealPoint> real;
  real.reserve(points.size());
  for (const auto& p : points) real.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  const plot::ClipRect guard{-kGuardMargin, -kGuardMargin, width_ + kGuardMargin, height_ + kGuardMargin};
  const auto clipped = plot::ClipPolygon(real, guard);
  if (clipped.size() < 2) return;
  std::vector<std::pair<double, double>> out;
  out.reserve(clipped.size());
  for (const auto& p : clipped) out.emplace_back(p.x, p.y);
  EmitPoints(out);
}

void WebCanvas::SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Emit(Op::Pixel);
  record_.insert(record_.end(), {x, y, Colour(c)});
}

}  // namespace plotwerk::web
