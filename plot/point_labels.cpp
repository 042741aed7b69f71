// Point labels: the short names and coordinates of the marked points, and a greedy placement
// that tries a few spots around each point and keeps the least crowded one.
#include "plot/point_labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "plot/analysis.h"
#include "plot/results.h"
#include "plot/texts.h"

namespace plotwerk::plot {

namespace {

// The marks are circles of this radius (DrawMarker); labels keep this much room from a mark.
constexpr double kMarkRadius = 4;
constexpr double kLabelDistance = kMarkRadius + 3;
// Costs of one pixel of a label on another label or mark, off the area, or one column of a
// curve crossing it; the spots are tried in a fixed order, later ones cost a little more.
constexpr double kOverlapCost = 100;
constexpr double kOffAreaCost = 1000;
constexpr double kCurveCost = 20;
constexpr double kSpotOrderCost = 1;
// The scale numbers under the x axis and left of the y axis: their bands are avoided a little
// less than curves (a label may stand on an axis, but should not hide its numbers).
constexpr double kAxisNumbersCost = 2;
constexpr double kXNumbersBand = 22;
constexpr double kYNumbersBand = 36;
// Labels stand this far from the drawing's edge at least when they can.
constexpr double kEdgeMargin = 2;

struct Box {
  double x0, y0, x1, y1;
  double Overlap(const Box& o) const {
    const double w = std::min(x1, o.x1) - std::max(x0, o.x0);
    const double h = std::min(y1, o.y1) - std::max(y0, o.y0);
    return w > 0 && h > 0 ? w * h : 0;
  }
};

std::string_view NameOf(PointKind kind) {
  switch (kind) {
    case PointKind::Zero: return "Z%1";
    case PointKind::Maximum: return "Max%1";
    case PointKind::Minimum: return "Min%1";
    case PointKind::Inflection: return "I%1";
    case PointKind::Intersection: return "X%1";
    case PointKind::MarkerA: return "A";
    case PointKind::MarkerB: return "B";
  }
  return "";
}

// Curve columns that pass through the box: a column counts when the curve's stretch from it
// to the next column meets the box's rows.
double CurveCrossings(const Box& box, const std::vector<CurveRows>& curves) {
  double crossings = 0;
  for (const CurveRows& rows : curves) {
    const auto n = static_cast<std::int64_t>(rows.size());
    const std::int64_t first = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(box.x0)));
    const std::int64_t last = std::min<std::int64_t>(n - 1, static_cast<std::int64_t>(std::ceil(box.x1)));
    for (std::int64_t c = first; c <= last; ++c) {
      const double a = rows[static_cast<std::size_t>(c)];
      const double b = c + 1 < n ? rows[static_cast<std::size_t>(c + 1)] : a;
      if (std::isnan(a)) continue;
      const double lo = std::isnan(b) ? a : std::min(a, b);
      const double hi = std::isnan(b) ? a : std::max(a, b);
      if (hi >= box.y0 && lo <= box.y1) crossings += 1;
    }
  }
  return crossings;
}

}  // namespace

std::vector<std::string> PointLabelTexts(const std::vector<MarkedPoint>& points) {
  constexpr std::size_t kKinds = 7;
  std::array<int, kKinds> total{};
  for (const MarkedPoint& p : points) ++total[static_cast<std::size_t>(p.kind)];
  std::array<int, kKinds> seen{};
  std::vector<std::string> out;
  out.reserve(points.size());
  for (const MarkedPoint& p : points) {
    const auto k = static_cast<std::size_t>(p.kind);
    ++seen[k];
    const std::string number = total[k] > 1 ? std::to_string(seen[k]) : std::string();
    const std::string name = Localized(NameOf(p.kind), {number});
    out.push_back(Localized("%1(%2; %3)", {name, N(p.x), N(p.y)}));
  }
  return out;
}

std::vector<PlacedLabel> PlacePointLabels(Canvas& canvas, const ScreenMapping& mapping,
                                          const std::vector<MarkedPoint>& points,
                                          const std::vector<CurveRows>& curves) {
  const std::vector<std::string> texts = PointLabelTexts(points);
  std::vector<Box> marks;
  for (const MarkedPoint& p : points) {
    marks.push_back({p.col - kMarkRadius, p.row - kMarkRadius, p.col + kMarkRadius + 1, p.row + kMarkRadius + 1});
  }
  const Box area{kEdgeMargin, kEdgeMargin, mapping.width - kEdgeMargin, mapping.height - kEdgeMargin};
  const double ox = mapping.origin_x_real;
  const double oy = mapping.origin_y_real;
  const Box axis_numbers[] = {{0, oy + 1, static_cast<double>(mapping.width), oy + kXNumbersBand},
                              {ox - kYNumbersBand, 0, ox - 1, static_cast<double>(mapping.height)}};
  std::vector<Box> placed;
  std::vector<PlacedLabel> out;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const MarkedPoint& p = points[i];
    // A point whose mark is not on the area gets no label either.
    if (!(p.col >= 0 && p.col <= mapping.width && p.row >= 0 && p.row <= mapping.height)) continue;
    const TextSize size = canvas.TextExtent(texts[i]);
    const double w = size.width;
    const double h = size.height;
    const double d = kLabelDistance;
    // Right above, right below, left above, left below, right, left, above, below, and two
    // rows further up or down.
    const std::array<std::array<double, 2>, 10> spots = {{
        {p.col + d, p.row - d - h},
        {p.col + d, p.row + d},
        {p.col - d - w, p.row - d - h},
        {p.col - d - w, p.row + d},
        {p.col + d + 2, p.row - h / 2},
        {p.col - d - 2 - w, p.row - h / 2},
        {p.col - w / 2, p.row - d - h},
        {p.col - w / 2, p.row + d},
        {p.col - w / 2, p.row - d - 2 * h},
        {p.col - w / 2, p.row + d + h},
    }};
    double best_cost = std::numeric_limits<double>::infinity();
    Box best{};
    for (std::size_t s = 0; s < spots.size(); ++s) {
      const Box box{spots[s][0], spots[s][1], spots[s][0] + w, spots[s][1] + h};
      double cost = kSpotOrderCost * static_cast<double>(s);
      cost += kOffAreaCost * (w * h - box.Overlap(area));
      for (const Box& other : placed) cost += kOverlapCost * box.Overlap(other);
      for (const Box& mark : marks) cost += kOverlapCost * box.Overlap(mark);
      for (const Box& band : axis_numbers) cost += kAxisNumbersCost * box.Overlap(band);
      if (cost < best_cost) cost += kCurveCost * CurveCrossings(box, curves);
      if (cost < best_cost) {
        best_cost = cost;
        best = box;
      }
    }
    placed.push_back(best);
    out.push_back({texts[i], RoundHalfEvenClamped(best.x0), RoundHalfEvenClamped(best.y0)});
  }
  return out;
}

void DrawPointLabels(Canvas& canvas, const ScreenMapping& mapping, const std::vector<MarkedPoint>& points,
                     const std::vector<CurveRows>& curves) {
  canvas.SetFontColor(kBlack);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetTransparentTextBackground();
  for (const PlacedLabel& label : PlacePointLabels(canvas, mapping, points, curves)) {
    canvas.TextOut(label.x, label.y, label.text);
  }
}

CurveRows SampleCurveRows(const std::string& term, const ScreenMapping& mapping, const Parameters& parameters) {
  const SampleFunction f = TermFunction(term, parameters);
  CurveRows rows(static_cast<std::size_t>(std::max(mapping.width, 0)), std::numeric_limits<double>::quiet_NaN());
  for (std::int32_t c = 0; c < mapping.width; ++c) {
    const Sample s = f(mapping.PixelToWorldX(c));
    if (s.Defined()) rows[static_cast<std::size_t>(c)] = mapping.WorldToPixelY(s.value);
  }
  return rows;
}

}  // namespace plotwerk::plot
