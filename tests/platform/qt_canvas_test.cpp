// QtCanvas on the screen bitmap: GDI line ends and edges, exact colours, invert mode, pens,
// text background, clipping of 32-bit coordinates, fonts; and on a vector device.
#include "platform/qt_canvas.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <limits>

#include "plot/controls.h"
#include "plot/graphs.h"
#include "plot/plotter.h"
#include "plot/testing/canvas_rules.h"
#include "plot/testing/raster_canvas.h"

namespace plotwerk::platform {
namespace {

using plot::kBlack;
using plot::kWhite;
using plot::Rgb;
using plot::testing::kBlue;
using plot::testing::kRed;

QImage White(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

int CountColour(QtCanvas& c, int w, int h, Rgb colour) {
  int n = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) n += c.Pixel(x, y) == colour;
  }
  return n;
}

TEST(QtCanvas, LineToLeavesOutItsEndPixelAndPolylinesHaveNoGaps) {
  QImage image = White(20, 20);
  QtCanvas c(image);
  c.MoveTo(2, 5);
  c.LineTo(10, 5);
  EXPECT_EQ(c.Pixel(2, 5), kBlack);
  EXPECT_EQ(c.Pixel(9, 5), kBlack);
  EXPECT_EQ(c.Pixel(10, 5), kWhite);
  c.LineTo(10, 12);
  EXPECT_EQ(c.Pixel(10, 5), kBlack);
  EXPECT_EQ(c.Pixel(10, 11), kBlack);
  EXPECT_EQ(c.Pixel(10, 12), kWhite);
  EXPECT_EQ(CountColour(c, 20, 20, kBlack), 15);
}

// Lines from the centre in the eight directions and two slopes, thin (compared pixel by pixel
// with the raster test canvas) and wide (first pixel drawn, end pixel left out).
TEST(QtCanvas, LinesLeaveOutTheirEndPixelInEveryDirection) {
  constexpr int kSize = 41, kCentre = 20;
  const plot::Point ends[] = {{30, 20}, {10, 20}, {20, 30}, {20, 10}, {28, 28}, {12, 12},
                              {28, 12}, {12, 28}, {33, 14}, {17, 5}};
  for (const plot::PenStyle style : {plot::PenStyle::Solid, plot::PenStyle::Dot}) {
    for (const plot::Point end : ends) {
      SCOPED_TRACE(testing::Message() << "to " << end.x << "," << end.y << " style " << static_cast<int>(style));
      QImage image = White(kSize, kSize);
      QtCanvas c(image);
      plot::testing::RasterCanvas expected(kSize, kSize);
      for (plot::Canvas* canvas : {static_cast<plot::Canvas*>(&c), static_cast<plot::Canvas*>(&expected)}) {
        canvas->SetPenStyle(style);
        canvas->MoveTo(kCentre, kCentre);
        canvas->LineTo(end.x, end.y);
      }
      EXPECT_EQ(c.Pixel(kCentre, kCentre), kBlack);
      EXPECT_EQ(c.Pixel(end.x, end.y), kWhite);
      for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) ASSERT_EQ(c.Pixel(x, y), expected.At(x, y)) << x << "," << y;
      }
    }
  }
  for (const plot::Point end : {plot::Point{30, 20}, {10, 20}, {20, 30}, {20, 10}}) {
    SCOPED_TRACE(testing::Message() << "wide to " << end.x << "," << end.y);
    QImage image = White(kSize, kSize);
    QtCanvas c(image);
    c.SetPenWidth(3);
    c.MoveTo(kCentre, kCentre);
    c.LineTo(end.x, end.y);
    EXPECT_EQ(c.Pixel(kCentre, kCentre), kBlack);
    EXPECT_EQ(c.Pixel(end.x, end.y), kWhite);
    const int step_x = (end.x > kCentre) - (end.x < kCentre), step_y = (end.y > kCentre) - (end.y < kCentre);
    EXPECT_EQ(c.Pixel(end.x - step_x, end.y - step_y), kBlack);
    EXPECT_EQ(c.Pixel(kCentre - step_x, kCentre - step_y), kWhite);
  }
}

TEST(QtCanvas, RectangleAndEllipseLeaveOutRightAndBottomEdges) {
  QImage image = White(30, 30);
  QtCanvas c(image);
  c.SetBrushColor(kRed);
  c.Rectangle(2, 2, 8, 6);
  EXPECT_EQ(c.Pixel(2, 2), kBlack);
  EXPECT_EQ(c.Pixel(7, 5), kBlack);
  EXPECT_EQ(c.Pixel(4, 4), kRed);
  EXPECT_EQ(c.Pixel(8, 4), kWhite);
  EXPECT_EQ(c.Pixel(4, 6), kWhite);
  c.SetPenStyle(plot::PenStyle::Clear);
  c.Rectangle(10, 10, 14, 13);
  EXPECT_EQ(CountColour(c, 30, 30, kRed), 4 * 2 + 4 * 3);
  c.Ellipse(20, 20, 28, 28);
  plot::testing::ExpectRightAndBottomEdgesLeftOut(c, 20, 20, 28, 28, kRed);
}

TEST(QtCanvas, ColoursAreExactWithoutAntialiasing) {
  QImage image = White(100, 100);
  QtCanvas c(image);
  c.SetPenColor(plot::kCurveGreen);
  c.SetPenWidth(2);
  c.MoveTo(0, 0);
  c.LineTo(99, 37);
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) {
      const Rgb p = c.Pixel(x, y);
      ASSERT_TRUE(p == kWhite || p == plot::kCurveGreen) << x << "," << y;
    }
  }
  EXPECT_GT(CountColour(c, 100, 100, plot::kCurveGreen), 150);
}

TEST(QtCanvas, InvertingPenRestoresThePictureWhenDrawnTwice) {
  QImage image = White(40, 40);
  QtCanvas c(image);
  c.SetPenColor(kBlue);
  c.MoveTo(0, 20);
  c.LineTo(40, 20);
  const QImage before = image.copy();
  c.SetPenMode(plot::PenMode::Invert);
  for (int pass = 0; pass < 2; ++pass) {
    c.MoveTo(10, 0);
    c.LineTo(10, 40);
    c.Rectangle(20, 10, 30, 30);
    if (pass == 0) {
      EXPECT_EQ(c.Pixel(10, 5), kBlack);
      EXPECT_EQ(c.Pixel(10, 20), (Rgb{255, 255, 0}));
    }
  }
  c.Finish();
  EXPECT_EQ(image, before);
}

TEST(QtCanvas, PenWidthsAndDots) {
  QImage image = White(120, 60);
  QtCanvas c(image);
  for (int w = 1; w <= 6; ++w) {
    c.SetPenWidth(w);
    c.MoveTo(w * 15, 5);
    c.LineTo(w * 15, 50);
  }
  for (int w = 1; w <= 6; ++w) {
    int n = 0;
    for (int x = w * 15 - 5; x <= w * 15 + 5; ++x) n += c.Pixel(x, 30) == kBlack;
    EXPECT_EQ(n, w) << "width " << w;
  }
  c.SetPenWidth(1);
  c.SetPenStyle(plot::PenStyle::Dot);
  c.MoveTo(0, 55);
  c.LineTo(40, 55);
  int dots = 0;
  for (int x = 0; x < 40; ++x) dots += c.Pixel(x, 55) == kBlack;
  EXPECT_GT(dots, 10);
  EXPECT_LT(dots, 30);
}

TEST(QtCanvas, HugeCoordinatesAreClippedSilently) {
  QImage image = White(50, 40);
  QtCanvas c(image);
  const std::int32_t big = std::numeric_limits<std::int32_t>::max();
  const std::int32_t small = std::numeric_limits<std::int32_t>::min();
  c.MoveTo(small, 20);
  c.LineTo(big, 20);
  c.MoveTo(25, small);
  c.LineTo(25, big);
  int row = 0, column = 0;
  for (int x = 0; x < 50; ++x) row += c.Pixel(x, 20) == kBlack;
  for (int y = 0; y < 40; ++y) column += c.Pixel(25, y) == kBlack;
  EXPECT_EQ(row, 50);
  EXPECT_EQ(column, 40);
  // A steep line from far away keeps its direction through the area.
  c.SetPenColor(kRed);
  c.MoveTo(10, small);
  c.LineTo(10, 30);
  EXPECT_EQ(c.Pixel(10, 0), kRed);
  EXPECT_EQ(c.Pixel(10, 29), kRed);
  c.SetBrushColor(kBlue);
  const plot::Point triangle[] = {{small, small}, {big, small}, {0, big}};
  c.Polygon(triangle);
  c.Ellipse(small, small, big, big);
  c.Rectangle(small, small, big, big);
  c.TextOut(big, big, "far");
  c.TextOut(small, small, "far");
  c.SetPixel(big, small, kRed);
  EXPECT_EQ(c.Pixel(1, 1), kBlue);
}

TEST(QtCanvas, PixelsSetWhilePaintingLandInTheImage) {
  QImage image = White(10, 10);
  QtCanvas c(image);
  c.SetPixel(3, 3, kRed);
  EXPECT_EQ(c.Pixel(3, 3), kRed);
  c.MoveTo(0, 5);
  c.LineTo(10, 5);  // painting after the write still goes to the same image
  c.SetPixel(4, 5, kBlue);
  c.Finish();
  EXPECT_EQ(image.pixel(3, 3) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.pixel(4, 5) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(image.pixel(6, 5) & 0xFFFFFF, 0x000000u);
}

TEST(QtCanvas, TextBackgroundFollowsTheBrushAfterItIsTouched) {
  QImage image = White(120, 30);
  QtCanvas c(image);
  c.SetBrushColor(plot::kCurveLime);
  c.SetTransparentTextBackground();
  c.TextOut(0, 0, "M");
  EXPECT_EQ(CountColour(c, 120, 30, plot::kCurveLime), 0);
  c.SetBrushColor(plot::kCurveLime);
  c.TextOut(40, 0, "M");
  EXPECT_GT(CountColour(c, 120, 30, plot::kCurveLime), 20);
  const int filled = CountColour(c, 120, 30, plot::kCurveLime);
  c.SetBrushStyle(plot::BrushStyle::Clear);
  c.SetFontColor(kRed);
  c.TextOut(80, 0, "M");
  EXPECT_EQ(CountColour(c, 120, 30, plot::kCurveLime), filled);
  EXPECT_GT(CountColour(c, 120, 30, kRed), 5);
}

TEST(QtCanvas, FontIsVerdanaOrItsMetricFallbackAtNinePoints) {
  const QString family = ChosenFontFamily();
  if (QFontDatabase::families().contains("Verdana")) {
    EXPECT_EQ(family, "Verdana");
  } else {
    EXPECT_EQ(family, "DejaVu Sans");
  }
  EXPECT_EQ(ChosenFontFamily(), family);
  QImage image = White(100, 40);
  QtCanvas c(image);
  c.SetFontName("Verdana");
  c.SetFontSize(9);
  const plot::TextSize size = c.TextExtent("-0,25");
  EXPECT_GT(size.width, 20);
  EXPECT_LT(size.width, 50);
  EXPECT_GE(size.height, 12);
  EXPECT_LE(size.height, 17);
  EXPECT_GT(c.TextWidth("WWW"), c.TextWidth("iii"));
}

TEST(QtCanvas, SymbolFontLettersAreGreekAndCodePageBytesAreDecoded) {
  EXPECT_EQ(CanvasText("p", "Symbol"), QString(QChar(0x03C0)));
  EXPECT_EQ(CanvasText("D", "Symbol"), QString(QChar(0x0394)));
  EXPECT_EQ(CanvasText("45\xB0", "Verdana"), QString::fromUtf8("45\u00B0"));
  EXPECT_EQ(CanvasText("\x80", "Verdana"), QString(QChar(0x20AC)));
}

TEST(QtCanvas, VectorDeviceDrawsAndReadsWhite) {
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(200, 150));
  {
    QtCanvas c(svg, 200, 150);
    plot::Plotter plotter;
    plot::Controls controls;
    plotter.ApplyBasicSetting(200, 150);
    plotter.DrawCommand(controls);
    plotter.Redraw(c, 200, 150, controls);
    EXPECT_EQ(c.Pixel(5, 5), kWhite);
    c.SetPixel(5, 5, kRed);
  }
  const QByteArray text = buffer.data();
  EXPECT_TRUE(text.contains("<svg"));
  EXPECT_TRUE(text.contains("#0000ff"));  // the blue graph
}

// On a vector device the stroke covers the start pixel and stops before the end pixel too:
// the SVG rendered back at its own size has ink in the start row or column and none in the end's.
TEST(QtCanvas, VectorLinesLeaveOutTheirEndPixelInEveryDirection) {
  constexpr int kSize = 40;
  const struct {
    plot::Point from, to;
  } lines[] = {{{10, 5}, {10, 30}}, {{20, 30}, {20, 5}}, {{5, 10}, {30, 10}}, {{30, 20}, {5, 20}}};
  for (const auto& line : lines) {
    SCOPED_TRACE(testing::Message() << line.from.x << "," << line.from.y << " to " << line.to.x << "," << line.to.y);
    QBuffer buffer;
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSize, kSize));
    svg.setViewBox(QRect(0, 0, kSize, kSize));
    {
      QtCanvas c(svg, kSize, kSize);
      c.MoveTo(line.from.x, line.from.y);
      c.LineTo(line.to.x, line.to.y);
    }
    QImage back = White(kSize, kSize);
    {
      QPainter painter(&back);
      QSvgRenderer(buffer.data()).render(&painter);
    }
    EXPECT_NE(back.pixel(line.from.x, line.from.y) & 0xFFFFFF, 0xFFFFFFu) << "start pixel";
    EXPECT_EQ(back.pixel(line.to.x, line.to.y) & 0xFFFFFF, 0xFFFFFFu) << "end pixel";
  }
}

// The x ticks run from below the axis upwards (origin_y + 6 to origin_y - 6 with the axis at
// row 298 here): the lower end is drawn, the upper one left out (where the dotted grid shows).
TEST(QtCanvas, DefaultPictureTicksEndOnTheRightPixel) {
  constexpr int w = plot::kDefaultAreaWidth, h = plot::kDefaultAreaHeight;
  QImage image = White(w, h);
  {
    QtCanvas c(image);
    plot::Plotter plotter;
    plot::Controls controls;
    plotter.ApplyBasicSetting(w, h);
    plotter.DrawCommand(controls);
    plotter.Redraw(c, w, h, controls);
  }
  EXPECT_EQ(image.pixel(141, 305) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(image.pixel(141, 304) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(image.pixel(141, 293) & 0xFFFFFF, 0x000000u);
  EXPECT_EQ(image.pixel(141, 292) & 0xFFFFFF, 0xD0D0D0u);
}

TEST(QtCanvas, DefaultPictureHasTheGraphAndGridColours) {
  constexpr int kWidth = plot::kDefaultAreaWidth;
  constexpr int kHeight = plot::kDefaultAreaHeight;
  QImage image = White(kWidth, kHeight);
  {
    QtCanvas c(image);
    plot::Plotter plotter;
    plot::Controls controls;
    controls.f2_plotted = true;
    plotter.ApplyBasicSetting(kWidth, kHeight);
    plotter.DrawCommand(controls);
    plotter.Redraw(c, kWidth, kHeight, controls);
  }
  int blue = 0, red = 0, grid = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const QRgb p = image.pixel(x, y) & 0xFFFFFF;
      blue += p == 0x0000FF;
      red += p == 0xFF0000;
      grid += p == 0xD0D0D0;
    }
  }
  EXPECT_GT(blue, 800);
  EXPECT_GT(red, 600);
  EXPECT_GT(grid, 2000);
}

}  // namespace
}  // namespace plotwerk::platform
