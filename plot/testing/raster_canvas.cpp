// RasterCanvas: a small software rasteriser with the GDI rules the drawing relies on.
#include "plot/testing/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "plot/clip.h"
#include "plot/line_walk.h"

namespace plotwerk::plot::testing {

namespace {
constexpr double kGuard = 16;  // clip lines this far outside the surface
}

RasterCanvas::RasterCanvas(int width, int height, Rgb fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgb RasterCanvas::At(int x, int y) const {
  if (!Inside(x, y)) return kWhite;
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

int RasterCanvas::Count(Rgb c) const {
  return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), c));
}

int RasterCanvas::CountInColumn(int x, Rgb c) const {
  int n = 0;
  for (int y = 0; y < height_; ++y) n += At(x, y) == c;
  return n;
}

int RasterCanvas::CountInRow(int y, Rgb c) const {
  int n = 0;
  for (int x = 0; x < width_; ++x) n += At(x, y) == c;
  return n;
}

void RasterCanvas::Fill(std::int64_t x, std::int64_t y, Rgb c) {
  if (Inside(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void RasterCanvas::SetPixel(std::int32_t x, std::int32_t y, Rgb c) { Fill(x, y, c); }

void RasterCanvas::LinePixels(Point from, Point to, bool include_end, std::vector<Point>& out) const {
  RealPoint a{static_cast<double>(from.x), static_cast<double>(from.y)};
  RealPoint b{static_cast<double>(to.x), static_cast<double>(to.y)};
  const ClipRect guard{-kGuard, -kGuard, width_ + kGuard, height_ + kGuard};
  const RealPoint original_end = b;
  if (!ClipSegment(a, b, guard)) return;
  const bool end_clipped = b.x != original_end.x || b.y != original_end.y;
  WalkLine(std::llround(a.x), std::llround(a.y), std::llround(b.x), std::llround(b.y), include_end || end_clipped,
           [&](std::int64_t x, std::int64_t y, std::int64_t) {
             out.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
           });
}

void RasterCanvas::PenPixels(std::vector<Point>& pixels) {
  const CanvasState& s = State();
  if (s.pen_style == PenStyle::Clear) return;
  std::vector<Point> stamped;
  const int w = std::clamp(s.pen_width, 1, 64);
  const int before = (w - 1) / 2;
  for (std::size_t k = 0; k < pixels.size(); ++k) {
    if (s.pen_style == PenStyle::Dot && w == 1 && k % 2 == 1) continue;
    for (int dy = 0; dy < w; ++dy) {
      for (int dx = 0; dx < w; ++dx) stamped.push_back({pixels[k].x - before + dx, pixels[k].y - before + dy});
    }
  }
  std::sort(stamped.begin(), stamped.end(),
            [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
  stamped.erase(std::unique(stamped.begin(), stamped.end()), stamped.end());
  for (Point p : stamped) {
    if (!Inside(p.x, p.y)) continue;
    Rgb& px = pixels_[static_cast<std::size_t>(p.y) * width_ + p.x];
    if (s.pen_mode == PenMode::Invert) {
      px = {static_cast<std::uint8_t>(255 - px.r), static_cast<std::uint8_t>(255 - px.g),
            static_cast<std::uint8_t>(255 - px.b)};
    } else {
      px = s.pen_color;
    }
  }
}

void RasterCanvas::DrawLine(Point from, Point to) {
  std::vector<Point> pixels;
  LinePixels(from, to, false, pixels);
  PenPixels(pixels);
}

TextSize RasterCanvas::TextExtent(std::string_view text) {
  return {kCharWidth * static_cast<int>(text.size()), kTextHeight};
}

void RasterCanvas::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  const CanvasState& s = State();
  const TextSize size = TextExtent(text);
  const std::int64_t x0 = std::max<std::int64_t>(x, 0), y0 = std::max<std::int64_t>(y, 0);
  const std::int64_t x1 = std::min<std::int64_t>(std::int64_t{x} + size.width, width_);
  const std::int64_t y1 = std::min<std::int64_t>(std::int64_t{y} + size.height, height_);
  if (s.brush_style == BrushStyle::Solid && !s.transparent_text_background) {
    for (std::int64_t yy = y0; yy < y1; ++yy) {
      for (std::int64_t xx = x0; xx < x1; ++xx) Fill(xx, yy, s.brush_color);
    }
  }
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == ' ') continue;
    const std::int64_t cx = std::int64_t{x} + static_cast<std::int64_t>(k) * kCharWidth;
    for (std::int64_t yy = std::int64_t{y} + 3; yy < std::int64_t{y} + 11; ++yy) {
      for (std::int64_t xx = cx + 1; xx < cx + 6; ++xx) Fill(xx, yy, s.font_color);
    }
  }
}

void RasterCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const CanvasState& s = State();
  const bool outline = s.pen_style != PenStyle::Clear;
  const std::int64_t inset = outline ? 1 : 0;
  if (s.brush_style == BrushStyle::Solid) {
    const std::int64_t left = std::max<std::int64_t>(std::int64_t{x1} + inset, 0);
    const std::int64_t top = std::max<std::int64_t>(std::int64_t{y1} + inset, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x2} - inset, width_);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y2} - inset, height_);
    for (std::int64_t y = top; y < bottom; ++y) {
      for (std::int64_t x = left; x < right; ++x) Fill(x, y, s.brush_color);
    }
  }
  if (outline && x2 > x1 && y2 > y1) {
    std::vector<Point> pixels;
    const Point corners[4] = {{x1, y1}, {x2 - 1, y1}, {x2 - 1, y2 - 1}, {x1, y2 - 1}};
    for (int k = 0; k < 4; ++k) LinePixels(corners[k], corners[(k + 1) % 4], true, pixels);
    PenPixels(pixels);
  }
}

void RasterCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const double cx = (static_cast<double>(x1) + x2) / 2, cy = (static_cast<double>(y1) + y2) / 2;
  const double rx = (static_cast<double>(x2) - x1) / 2, ry = (static_cast<double>(y2) - y1) / 2;
  if (rx <= 0 || ry <= 0) return;
  auto inside = [&](std::int64_t x, std::int64_t y) {
    const double u = (x + 0.5 - cx) / rx, v = (y + 0.5 - cy) / ry;
    return u * u + v * v <= 1.0;
  };
  const CanvasState& s = State();
  const std::int64_t left = std::max<std::int64_t>(x1, 0), right = std::min<std::int64_t>(x2, width_);
  const std::int64_t top = std::max<std::int64_t>(y1, 0), bottom = std::min<std::int64_t>(y2, height_);
  std::vector<Point> edge;
  for (std::int64_t y = top; y < bottom; ++y) {
    for (std::int64_t x = left; x < right; ++x) {
      if (!inside(x, y)) continue;
      const bool border = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (border && s.pen_style != PenStyle::Clear) {
        edge.push_back({static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
      } else if (s.brush_style == BrushStyle::Solid) {
        Fill(x, y, s.brush_color);
      }
    }
  }
  const PenStyle style = s.pen_style;
  if (style == PenStyle::Dot) SetPenStyle(PenStyle::Solid);  // outline pixels are not in line order
  PenPixels(edge);
  if (style == PenStyle::Dot) SetPenStyle(style);
}

void RasterCanvas::Polygon(std::span<const Point> points) {
  if (points.empty()) return;
  std::vector<RealPoint> poly;
  for (Point p : points) poly.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  const ClipRect guard{-kGuard, -kGuard, width_ + kGuard, height_ + kGuard};
  const std::vector<RealPoint> clipped = ClipPolygon(poly, guard);
  const CanvasState& s = State();
  if (s.brush_style == BrushStyle::Solid && clipped.size() >= 3) {
    // Even-odd fill of the pixel centres.
    for (int y = 0; y < height_; ++y) {
      const double yc = y + 0.5;
      std::vector<double> crossings;
      for (std::size_t k = 0; k < clipped.size(); ++k) {
        const RealPoint a = clipped[k], b = clipped[(k + 1) % clipped.size()];
        if ((a.y <= yc) != (b.y <= yc)) crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
        const int from = static_cast<int>(std::max(0.0, std::ceil(crossings[k] - 0.5)));
        const int to = static_cast<int>(std::min<double>(width_ - 1, std::floor(crossings[k + 1] - 0.5)));
        for (int x = from; x <= to; ++x) Fill(x, y, s.brush_color);
      }
    }
  }
  std::vector<Point> outline;
  for (std::size_t k = 0; k < points.size(); ++k) {
    LinePixels(points[k], points[(k + 1) % points.size()], true, outline);
  }
  PenPixels(outline);
}

}  // namespace plotwerk::plot::testing
