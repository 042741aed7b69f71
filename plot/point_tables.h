// The four point tables of the first-term searches (x-values found, left to right) and where
// the markers of A and B stand.
#pragma once

#include <array>
#include <cstdint>

#include "plot/analysis.h"

namespace plotwerk::plot {

// Holds every point one search can find.
struct PointTable {
  std::int32_t count = 0;
  std::array<double, kMaxPointsPerSearch> x{};
  // Extrema only: whether the point is a minimum (the samples turned from falling to rising).
  std::array<bool, kMaxPointsPerSearch> minimum{};
};

// Where a marker of point A or B was drawn in the last picture, in pixels of the picture.
struct MarkerSpot {
  bool shown = false;
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct PointTables {
  PointTable zeros;
  PointTable extrema;
  PointTable inflections;
  PointTable intersections;
  // The markers, so the mouse can find them by position rather than by colour.
  MarkerSpot marker_a;
  MarkerSpot marker_b;
};

}  // namespace plotwerk::plot
