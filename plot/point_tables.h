// The four point tables of the first-term searches: x-values found, left to right.
#pragma once

#include <array>
#include <cstdint>

namespace plotwerk::plot {

inline constexpr int kMaxTablePoints = 24;

struct PointTable {
  std::int32_t count = 0;
  std::array<double, kMaxTablePoints> x{};
  // Extrema only: whether the point is a minimum (the samples turned from falling to rising).
  std::array<bool, kMaxTablePoints> minimum{};
};

struct PointTables {
  PointTable zeros;
  PointTable extrema;
  PointTable inflections;
  PointTable intersections;
};

}  // namespace plotwerk::plot
