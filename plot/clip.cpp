// Liang-Barsky segment clipping and Sutherland-Hodgman polygon clipping.
#include "plot/clip.h"

#include <cmath>
#include <numbers>

namespace plotwerk::plot {

bool ClipSegment(RealPoint& a, RealPoint& b, const ClipRect& rect) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0;
  double t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - rect.left, rect.right - a.x, a.y - rect.top, rect.bottom - a.y};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double r = q[k] / p[k];
    if (p[k] < 0) {
      if (r > t1) return false;
      if (r > t0) t0 = r;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r;
    }
  }
  const RealPoint start = a;
  if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}

namespace {

// One Sutherland-Hodgman stage against the edge where inside(p) holds.
template <typename Inside, typename Cut>
std::vector<RealPoint> ClipStage(const std::vector<RealPoint>& in, Inside inside, Cut cut) {
  std::vector<RealPoint> out;
  if (in.empty()) return out;
  RealPoint prev = in.back();
  for (const RealPoint& cur : in) {
    const bool cur_in = inside(cur);
    const bool prev_in = inside(prev);
    if (cur_in) {
      if (!prev_in) out.push_back(cut(prev, cur));
      out.push_back(cur);
    } else if (prev_in) {
      out.push_back(cut(prev, cur));
    }
    prev = cur;
  }
  return out;
}

RealPoint AtX(RealPoint a, RealPoint b, double x) {
  return {x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)};
}
RealPoint AtY(RealPoint a, RealPoint b, double y) {
  return {a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y};
}

}  // namespace

std::vector<RealPoint> ClipPolygon(const std::vector<RealPoint>& polygon, const ClipRect& r) {
  auto out = ClipStage(polygon, [&](RealPoint p) { return p.x >= r.left; },
                       [&](RealPoint a, RealPoint b) { return AtX(a, b, r.left); });
  out = ClipStage(out, [&](RealPoint p) { return p.x <= r.right; },
                  [&](RealPoint a, RealPoint b) { return AtX(a, b, r.right); });
  out = ClipStage(out, [&](RealPoint p) { return p.y >= r.top; },
                  [&](RealPoint a, RealPoint b) { return AtY(a, b, r.top); });
  out = ClipStage(out, [&](RealPoint p) { return p.y <= r.bottom; },
                  [&](RealPoint a, RealPoint b) { return AtY(a, b, r.bottom); });
  return out;
}

std::vector<RealPoint> ClipEllipse(double left, double top, double right, double bottom, const ClipRect& rect) {
  const double cx = (left + right - 1) / 2, cy = (top + bottom - 1) / 2;
  const double rx = (right - left - 1) / 2, ry = (bottom - top - 1) / 2;
  std::vector<RealPoint> outline;
  outline.reserve(kEllipseSegments);
  for (int k = 0; k < kEllipseSegments; ++k) {
    const double a = 2 * std::numbers::pi * k / kEllipseSegments;
    outline.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return ClipPolygon(outline, rect);
}

}  // namespace plotwerk::plot
