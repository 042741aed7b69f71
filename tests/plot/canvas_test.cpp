// The canvas rules the drawing relies on, checked on the raster test canvas: end pixel of a
// line, exclusive edges, inverting pen, brush and text background, clipping of huge values.
#include <gtest/gtest.h>

#include <limits>

#include "plot/testing/canvas_rules.h"
#include "plot/testing/raster_canvas.h"

namespace plotwerk::plot {
namespace {

using testing::kBlue;
using testing::kRed;
using testing::RasterCanvas;

TEST(RasterCanvas, LineToLeavesOutItsEndPixel) {
  RasterCanvas c(20, 20);
  c.MoveTo(2, 5);
  c.LineTo(10, 5);
  EXPECT_EQ(c.At(2, 5), kBlack);
  EXPECT_EQ(c.At(9, 5), kBlack);
  EXPECT_EQ(c.At(10, 5), kWhite);
  EXPECT_EQ(c.Count(kBlack), 8);
  EXPECT_EQ(c.Position(), (Point{10, 5}));
  // A polyline continues where the last segment stopped, without a gap.
  c.LineTo(10, 9);
  EXPECT_EQ(c.At(10, 5), kBlack);
  EXPECT_EQ(c.At(10, 9), kWhite);
}

TEST(RasterCanvas, RectangleAndEllipseLeaveOutRightAndBottomEdges) {
  RasterCanvas c(20, 20);
  c.SetBrushColor(kRed);
  c.Rectangle(2, 2, 6, 5);
  EXPECT_EQ(c.At(2, 2), kBlack);  // outline
  EXPECT_EQ(c.At(5, 4), kBlack);
  EXPECT_EQ(c.At(3, 3), kRed);    // interior
  EXPECT_EQ(c.At(6, 3), kWhite);
  EXPECT_EQ(c.At(3, 5), kWhite);
  c.SetPenStyle(PenStyle::Clear);
  c.Ellipse(10, 10, 16, 16);
  testing::ExpectRightAndBottomEdgesLeftOut(c, 10, 10, 16, 16, kRed);
}

TEST(RasterCanvas, InvertingPenRestoresThePictureWhenDrawnTwice) {
  RasterCanvas c(30, 30);
  c.SetPenColor(kBlue);
  c.MoveTo(0, 10);
  c.LineTo(30, 10);
  RasterCanvas before = c;
  c.SetPenMode(PenMode::Invert);
  c.SetPenWidth(3);
  for (int pass = 0; pass < 2; ++pass) {
    c.MoveTo(5, 0);
    c.LineTo(5, 30);
    c.MoveTo(0, 0);
    c.LineTo(29, 29);
    if (pass == 0) {
      EXPECT_EQ(c.At(5, 20), kBlack);              // white inverted
      EXPECT_EQ(c.At(12, 10), (Rgb{255, 255, 0})); // blue inverted
    }
  }
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_EQ(c.At(x, y), before.At(x, y)) << x << "," << y;
  }
}

TEST(RasterCanvas, BrushColourMakesAClearBrushSolidAndTextBackgroundFollowsIt) {
  RasterCanvas c(60, 20);
  c.SetTransparentTextBackground();
  c.TextOut(0, 0, "a");
  EXPECT_EQ(c.At(0, 0), kWhite);  // transparent until the brush is touched
  c.SetBrushStyle(BrushStyle::Clear);
  c.SetBrushColor(kRed);
  EXPECT_EQ(c.State().brush_style, BrushStyle::Solid);
  c.TextOut(20, 0, "a");
  EXPECT_EQ(c.At(20, 0), kRed);  // the cell is filled with the brush
  c.SetBrushStyle(BrushStyle::Clear);
  c.TextOut(40, 0, "a");
  EXPECT_EQ(c.At(40, 0), kWhite);
}

TEST(RasterCanvas, HugeCoordinatesAreClippedSilently) {
  RasterCanvas c(50, 40);
  const std::int32_t big = std::numeric_limits<std::int32_t>::max();
  const std::int32_t small = std::numeric_limits<std::int32_t>::min();
  c.MoveTo(small, 20);
  c.LineTo(big, 20);
  EXPECT_EQ(c.CountInRow(20, kBlack), 50);
  c.MoveTo(25, small);
  c.LineTo(25, big);
  EXPECT_EQ(c.CountInColumn(25, kBlack), 40);
  c.SetBrushColor(kRed);
  c.SetPenStyle(PenStyle::Clear);
  c.Rectangle(small, small, big, 5);
  EXPECT_EQ(c.CountInRow(4, kRed), 50);
  EXPECT_EQ(c.CountInRow(5, kRed), 0);
  const Point triangle[] = {{small, small}, {big, small}, {0, big}};
  c.Polygon(triangle);
  c.Ellipse(small, small, big, big);
  c.SetPixel(big, small, kBlue);
  EXPECT_EQ(c.Count(kBlue), 0);
}

TEST(RasterCanvas, DottedAndWidePens) {
  RasterCanvas c(40, 40);
  c.SetPenStyle(PenStyle::Dot);
  c.MoveTo(0, 5);
  c.LineTo(20, 5);
  EXPECT_EQ(c.CountInRow(5, kBlack), 10);
  c.SetPenStyle(PenStyle::Solid);
  c.SetPenWidth(3);
  c.MoveTo(0, 20);
  c.LineTo(10, 20);
  EXPECT_EQ(c.CountInColumn(5, kBlack), 3);
}

}  // namespace
}  // namespace plotwerk::plot
