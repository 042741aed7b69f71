// View navigation: shifts, zoom steps and their limits, rubber band, wheel zoom, pan.
#include "plot/navigation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace plotwerk::plot {
namespace {

PlotView View(double x_min, double x_max, double y_min, double y_max) {
  PlotView v;
  v.x_min = x_min;
  v.x_max = x_max;
  v.y_min = y_min;
  v.y_max = y_max;
  return v;
}

void ExpectView(const PlotView& v, double x_min, double x_max, double y_min, double y_max) {
  EXPECT_DOUBLE_EQ(v.x_min, x_min);
  EXPECT_DOUBLE_EQ(v.x_max, x_max);
  EXPECT_DOUBLE_EQ(v.y_min, y_min);
  EXPECT_DOUBLE_EQ(v.y_max, y_max);
}

bool Finite(const PlotView& v) {
  return std::isfinite(v.x_min) && std::isfinite(v.x_max) && std::isfinite(v.y_min) &&
         std::isfinite(v.y_max);
}

// Shifts move by a fifth of the span, zoom steps each bound by a tenth; each step starts from
// the view the one before left.
TEST(Navigation, ShiftsMoveByAFifthAndZoomStepsByATenthOfTheSpan) {
  struct Step {
    const char* name;
    void (*apply)(PlotView&);
    PlotView after;
  };
  const Step steps[] = {
      {"ShiftLeft", ShiftLeft, View(-3.6, 8.4, -5, 5)},  {"ShiftRight", ShiftRight, View(-6, 6, -5, 5)},
      {"ShiftUp", ShiftUp, View(-6, 6, -7, 3)},          {"ShiftDown", ShiftDown, View(-6, 6, -5, 5)},
      {"ShiftDown", ShiftDown, View(-6, 6, -3, 7)},      {"ShiftUp", ShiftUp, View(-6, 6, -5, 5)},
      {"ZoomIn", ZoomIn, View(-4.8, 4.8, -4, 4)},        {"ZoomOut", ZoomOut, View(-5.76, 5.76, -4.8, 4.8)},
  };
  PlotView v = View(-6, 6, -5, 5);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.apply(v);
    ExpectView(v, step.after.x_min, step.after.x_max, step.after.y_min, step.after.y_max);
  }
}

TEST(Navigation, ZoomInIsRefusedPerAxisBelowTheMinimumSpan) {
  PlotView v = View(0, 0.055, -5, 5);
  ZoomIn(v);
  ExpectView(v, 0, 0.055, -4, 4);
  v = View(-6, 6, 1, 1.06);  // y span 0.06 would become 0.048
  ZoomIn(v);
  ExpectView(v, -4.8, 4.8, 1, 1.06);
}

TEST(Navigation, RepeatedZoomOutStopsAtTheSpanLimit) {
  PlotView v = View(-6, 6, -5, 5);
  for (int i = 0; i < 1000; ++i) ZoomOut(v);
  ASSERT_TRUE(Finite(v));
  EXPECT_LE(v.x_max - v.x_min, kMaxSpan);
  EXPECT_GT(v.x_max - v.x_min, kMaxSpan / 1.25);  // it did zoom out until near the limit
  EXPECT_LE(v.y_max - v.y_min, kMaxSpan);
  const PlotView stopped = v;
  ZoomOut(v);
  ExpectView(v, stopped.x_min, stopped.x_max, stopped.y_min, stopped.y_max);
  ZoomIn(v);  // and zooming back in still works
  EXPECT_LT(v.x_max - v.x_min, stopped.x_max - stopped.x_min);
}

TEST(Navigation, ShiftsStopAtTheCoordinateLimit) {
  PlotView v = View(kMaxCoordinate - 30, kMaxCoordinate - 18, -kMaxCoordinate + 20,
                    -kMaxCoordinate + 30);
  for (int i = 0; i < 100; ++i) {
    ShiftLeft(v);
    ShiftUp(v);
  }
  ASSERT_TRUE(Finite(v));
  EXPECT_LE(v.x_max, kMaxCoordinate);
  EXPECT_GT(v.x_max, kMaxCoordinate - 2.4);  // moved on until the next step would pass it
  EXPECT_GE(v.y_min, -kMaxCoordinate);
  EXPECT_LT(v.y_min, -kMaxCoordinate + 2);
  EXPECT_NEAR(v.x_max - v.x_min, 12, 1e-3);
  EXPECT_NEAR(v.y_max - v.y_min, 10, 1e-3);

  // A narrow view far out keeps a positive span; zoom out there stops at the limit too.
  v = View(kMaxCoordinate - 1, kMaxCoordinate - 1 + kMinBandSpan, 0, 1);
  for (int i = 0; i < 100; ++i) {
    ShiftLeft(v);
    ZoomOut(v);
  }
  EXPECT_GT(v.x_max, v.x_min);
  EXPECT_LE(v.x_max, kMaxCoordinate);
}

TEST(Navigation, RubberBandZoomsToTheRectangle) {
  PlotView v = View(-6, 6, -5, 5);
  ASSERT_TRUE(ZoomToBand(v, 600, 500, 150, 100, 450, 400));
  ExpectView(v, -3, 3, -3, 3);

  // Dragged from the lower right to the upper left: the same view.
  PlotView w = View(-6, 6, -5, 5);
  ASSERT_TRUE(ZoomToBand(w, 600, 500, 450, 400, 150, 100));
  ExpectView(w, -3, 3, -3, 3);
}

TEST(Navigation, RubberBandOfAtMostTenPixelsChangesNothing) {
  EXPECT_TRUE(BandZooms(100, 100, 111, 200));
  EXPECT_FALSE(BandZooms(100, 100, 110, 300));
  EXPECT_FALSE(BandZooms(100, 100, 300, 110));
  EXPECT_FALSE(BandZooms(100, 100, 90, 300));
  EXPECT_TRUE(BandZooms(100, 100, 89, 89));
  PlotView v = View(-6, 6, -5, 5);
  EXPECT_FALSE(ZoomToBand(v, 600, 500, 100, 100, 110, 300));
  ExpectView(v, -6, 6, -5, 5);
}

TEST(Navigation, RubberBandKeepsASpanOfAtLeastOneHundredth) {
  PlotView v = View(0, 0.05, 0, 0.05);
  ASSERT_TRUE(ZoomToBand(v, 1000, 1000, 0, 989, 11, 1000));
  EXPECT_DOUBLE_EQ(v.x_min, 0);
  EXPECT_DOUBLE_EQ(v.x_max, kMinBandSpan);
  EXPECT_DOUBLE_EQ(v.y_min, 0);
  EXPECT_DOUBLE_EQ(v.y_max, kMinBandSpan);
}

TEST(Navigation, BandConversionUsesTheViewDirectly) {
  const PlotView v = View(-6, 6, -5, 5);
  EXPECT_DOUBLE_EQ(BandPixelToWorldX(v, 600, 0), -6);
  EXPECT_DOUBLE_EQ(BandPixelToWorldX(v, 600, 600), 6);
  EXPECT_DOUBLE_EQ(BandPixelToWorldY(v, 500, 0), 5);
  EXPECT_DOUBLE_EQ(BandPixelToWorldY(v, 500, 500), -5);
  EXPECT_DOUBLE_EQ(BandPixelToWorldY(v, 500, 100), 3);
}

TEST(Navigation, WheelZoomKeepsThePointUnderThePointer) {
  constexpr int kW = 800, kH = 600, kPx = 123, kPy = 456;
  for (bool zoom_in : {true, false}) {
    SCOPED_TRACE(zoom_in ? "in" : "out");
    PlotView v = View(-6, 6, -4.5, 4.5);
    const double wx = BandPixelToWorldX(v, kW, kPx);
    const double wy = BandPixelToWorldY(v, kH, kPy);
    const double x_span = v.x_max - v.x_min;
    ZoomAbout(v, wx, wy, zoom_in);
    EXPECT_NEAR(BandPixelToWorldX(v, kW, kPx), wx, 1e-12);
    EXPECT_NEAR(BandPixelToWorldY(v, kH, kPy), wy, 1e-12);
    EXPECT_DOUBLE_EQ(v.x_max - v.x_min, x_span * (zoom_in ? 0.8 : 1.2));
  }
  // About the centre the wheel is the button.
  PlotView wheel = View(-6, 6, -5, 5);
  ZoomAbout(wheel, 0, 0, true);
  ExpectView(wheel, -4.8, 4.8, -4, 4);
}

TEST(Navigation, WheelZoomObeysTheButtonLimits) {
  PlotView v = View(-6, 6, -5, 5);
  for (int i = 0; i < 1000; ++i) ZoomAbout(v, 1.5, -2.5, true);
  EXPECT_GE(v.x_max - v.x_min, kMinZoomStepSpan);
  EXPECT_LT(v.x_max - v.x_min, kMinZoomStepSpan / 0.8);
  EXPECT_GE(v.y_max - v.y_min, kMinZoomStepSpan);
  for (int i = 0; i < 1000; ++i) ZoomAbout(v, 1.5, -2.5, false);
  ASSERT_TRUE(Finite(v));
  EXPECT_LE(v.x_max - v.x_min, kMaxSpan);
  EXPECT_LE(v.y_max - v.y_min, kMaxSpan);
}

TEST(Navigation, MiddleButtonPanFollowsThePointerWithinTheLimits) {
  PlotView v = View(-6, 6, -5, 5);
  PanByPixels(v, 600, 500, 60, -50);  // right and up: the picture follows
  ExpectView(v, -7.2, 4.8, -6, 4);
  v = View(kMaxCoordinate - 20, kMaxCoordinate - 8, 0, 10);
  PanByPixels(v, 600, 500, -600, 0);  // would carry x_max 12 units past the limit
  ExpectView(v, kMaxCoordinate - 20, kMaxCoordinate - 8, 0, 10);
  PanByPixels(v, 600, 500, -300, 50);  // 6 units fit; y is free either way
  ExpectView(v, kMaxCoordinate - 14, kMaxCoordinate - 2, 1, 11);
}

}  // namespace
}  // namespace plotwerk::plot
