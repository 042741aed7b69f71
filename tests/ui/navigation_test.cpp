// View navigation in the main window: buttons and menu items against the view formulas, the
// rubber band on the shown picture, dragging A and B by their positions, wheel zoom and pan.
#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QWheelEvent>

#include <cmath>

#include "fktint/fktint.h"
#include "plot/navigation.h"
#include "tests/ui/window_fixture.h"
#include "ui/navigation.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

class NavigationTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    nav = window->findChild<ViewNavigation*>("ViewNavigation");
    ASSERT_NE(nav, nullptr);
  }

  plot::PlotView View() const { return window->Plotter().View(); }
  void SetView(double x_min, double x_max, double y_min, double y_max) {
    plot::PlotView v;
    v.x_min = x_min;
    v.x_max = x_max;
    v.y_min = y_min;
    v.y_max = y_max;
    window->Plotter().SetView(v);
    window->Redraw();
  }
  void ExpectView(double x_min, double x_max, double y_min, double y_max) const {
    const plot::PlotView v = View();
    EXPECT_DOUBLE_EQ(v.x_min, x_min);
    EXPECT_DOUBLE_EQ(v.x_max, x_max);
    EXPECT_DOUBLE_EQ(v.y_min, y_min);
    EXPECT_DOUBLE_EQ(v.y_max, y_max);
  }

  // Mouse events as the toolkit delivers them to the drawing area.
  void Mouse(QEvent::Type type, Qt::MouseButton button, int x, int y) {
    const QPointF local(x, y);
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, window->DrawingArea()->mapToGlobal(local),
                  type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(window->DrawingArea(), &e);
  }
  void Press(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, b, x, y);
  }
  void Move(int x, int y, Qt::MouseButton held = Qt::LeftButton) {
    Mouse(QEvent::MouseMove, held, x, y);
  }
  void Release(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonRelease, b, x, y);
  }
  void Wheel(int x, int y, int delta) {
    const QPointF local(x, y);
    QWheelEvent e(local, window->DrawingArea()->mapToGlobal(local), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->DrawingArea(), &e);
  }
  void PutPixel(int x, int y, QRgb c) { window->DrawingArea()->Screen().setPixel(x, y, c); }
  // The centre of marker A as last drawn; far off the area when it is not shown.
  QPoint MarkerA() const {
    const plot::MarkerSpot& a = window->Plotter().Points().marker_a;
    EXPECT_TRUE(a.shown);
    return a.shown ? QPoint(a.x, a.y) : QPoint(-100, -100);
  }

  int W() const { return window->PaintWidth(); }
  int H() const { return window->PaintHeight(); }

  ViewNavigation* nav = nullptr;
};

TEST_F(NavigationTest, ArrowButtonsShiftByAFifthOfTheSpan) {
  const double ratio = static_cast<double>(H()) / W();
  ExpectView(-6, 6, -6 * ratio, 6 * ratio);  // the activation's basic setting
  SetView(-6, 6, -5, 5);
  const QImage before = Picture();
  window->Navigation().move_left_button->click();
  ExpectView(-3.6, 8.4, -5, 5);
  EXPECT_NE(Picture(), before) << "the view change is drawn";
  window->Navigation().move_right_button->click();
  ExpectView(-6, 6, -5, 5);
  window->Navigation().move_up_button->click();
  ExpectView(-6, 6, -7, 3);
  window->Navigation().move_down_button->click();
  window->Navigation().move_down_button->click();
  ExpectView(-6, 6, -3, 7);
}

TEST_F(NavigationTest, ZoomButtonsAndMenuItemsFollowTheFormulas) {
  SetView(-6, 6, -5, 5);
  window->Navigation().zoom_in_button->click();
  ExpectView(-4.8, 4.8, -4, 4);
  window->Navigation().zoom_out_button->click();
  ExpectView(-5.76, 5.76, -4.8, 4.8);
  SetView(-6, 6, -5, 5);
  window->Menu().shrink_interval_item->trigger();
  ExpectView(-4.8, 4.8, -4, 4);
  window->Menu().widen_interval_item->trigger();
  ExpectView(-5.76, 5.76, -4.8, 4.8);
}

TEST_F(NavigationTest, ZoomStopsAtItsLimits) {
  SetView(0, 0.055, -5, 5);
  window->Navigation().zoom_in_button->click();
  ExpectView(0, 0.055, -4, 4);  // x refused, y still zooms
  for (int i = 0; i < 400; ++i) window->Navigation().zoom_out_button->click();
  const plot::PlotView v = View();
  ASSERT_TRUE(plot::IsValidView(v));
  EXPECT_LE(v.x_max - v.x_min, plot::kMaxSpan);
  EXPECT_LE(v.y_max - v.y_min, plot::kMaxSpan);
  EXPECT_FALSE(Picture().isNull());
}

TEST_F(NavigationTest, BasicSettingGivesEqualScalesOnTheNonSquareArea) {
  ASSERT_NE(W(), H());
  SetView(1, 2, 3, 4);
  window->Navigation().basic_setting_button->click();
  ExpectView(-6, 6, -6.0 * H() / W(), 6.0 * H() / W());
  const plot::ScreenMapping& m = window->Plotter().Mapping();
  EXPECT_NEAR(m.x_scale, m.y_scale, 1e-9);
  SetView(1, 2, 3, 4);
  window->Menu().basic_setting_item->trigger();
  ExpectView(-6, 6, -6.0 * H() / W(), 6.0 * H() / W());
}

TEST_F(NavigationTest, BandFrameDrawnTwiceRestoresThePicture) {
  QImage picture = Picture();
  const QImage original = picture.copy();
  DrawBandFrame(picture, 300, 250, 120, 80);
  ASSERT_NE(picture, original);
  // Only the outline changed, each changed pixel inverted.
  int changed = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixel(x, y) == original.pixel(x, y)) continue;
      ++changed;
      ASSERT_TRUE(x == 120 || x == 299 || y == 80 || y == 249) << x << "," << y;
      ASSERT_EQ(picture.pixel(x, y) & 0xFFFFFF, ~original.pixel(x, y) & 0xFFFFFF);
    }
  }
  EXPECT_GT(changed, 2 * (180 + 170) / 3) << "a dotted outline";
  DrawBandFrame(picture, 300, 250, 120, 80);
  EXPECT_EQ(picture, original);
}

TEST_F(NavigationTest, RubberBandZoomsToTheDraggedRectangle) {
  SetView(-6, 6, -5, 5);
  const QImage original = Picture();
  Press(100, 100);
  Move(200, 150);
  Move(300, 250);
  QImage expected = original.copy();
  DrawBandFrame(expected, 100, 100, 300, 250);
  EXPECT_EQ(Picture(), expected) << "the earlier frame was erased, the new one drawn";
  Release(400, 400);  // the corner last drawn counts, not the release position
  EXPECT_FALSE(nav->RubberBand());
  ExpectView(-6 + 100.0 / W() * 12, -6 + 300.0 / W() * 12, -5 + (H() - 250.0) / H() * 10,
             -5 + (H() - 100.0) / H() * 10);

  // The same rectangle dragged the other way gives the same view.
  const plot::PlotView forward = View();
  SetView(-6, 6, -5, 5);
  Press(300, 250);
  Move(100, 100);
  Release(100, 100);
  EXPECT_EQ(View(), forward);
}

TEST_F(NavigationTest, SmallRubberBandChangesNothing) {
  SetView(-6, 6, -5, 5);
  const QImage original = Picture();
  Press(100, 100);
  Move(110, 300);  // x distance 10 is not greater than 10
  EXPECT_NE(Picture(), original);
  Release(110, 300);
  ExpectView(-6, 6, -5, 5);
  EXPECT_EQ(Picture(), original) << "the frame is taken off again";
  Press(100, 100);
  Move(111, 200);
  Release(111, 200);
  EXPECT_NE(View().x_min, -6);
}

TEST_F(NavigationTest, RepaintDuringTheBandLeavesNoStrayFrame) {
  Press(100, 100);
  Move(200, 200);
  window->RedrawWithResults();  // e.g. an animation tick
  const QImage fresh = Picture();
  Move(250, 220);
  QImage expected = fresh.copy();
  DrawBandFrame(expected, 100, 100, 250, 220);
  EXPECT_EQ(Picture(), expected);
}

TEST_F(NavigationTest, DraggingMarkerAMovesAAlongX) {
  window->Options().point_a_x->setText("3");
  window->Options().point_a->setChecked(true);
  const QPoint a = MarkerA();
  Move(a.x() + 3, a.y() - 3, Qt::NoButton);  // a few pixels off the centre still grab it
  EXPECT_EQ(window->DrawingArea()->cursor().shape(), Qt::PointingHandCursor);
  Press(a.x() + 3, a.y() - 3);
  EXPECT_EQ(nav->DragMode(), 1);
  EXPECT_FALSE(nav->RubberBand());
  const plot::ScreenMapping& m = window->Plotter().Mapping();
  Move(m.origin_x, 10);
  EXPECT_EQ(window->Options().point_a_x->text(), "0");
  Release(m.origin_x + 101, 10);
  EXPECT_EQ(nav->DragMode(), 0);
  EXPECT_EQ(window->Options().point_a_x->text().toStdString(),
            fktint::FormatNumber(1, 2, m.PixelToWorldX(m.origin_x + 101)));
  EXPECT_EQ(window->Options().point_b_x->text(), "0");
  EXPECT_EQ(View().x_min, -6) << "a marker drag does not zoom";
}

TEST_F(NavigationTest, DraggingMarkerBMovesBWithAnyButton) {
  window->Options().point_b->setChecked(true);
  const QPoint b = window->Plotter().Points().marker_b.shown
                       ? QPoint(window->Plotter().Points().marker_b.x, window->Plotter().Points().marker_b.y)
                       : QPoint(-100, -100);
  Press(b.x(), b.y(), Qt::RightButton);
  EXPECT_EQ(nav->DragMode(), 2);
  const plot::ScreenMapping& m = window->Plotter().Mapping();
  Move(m.origin_x + 50, 400, Qt::RightButton);
  Release(m.origin_x + 50, 400, Qt::RightButton);
  EXPECT_EQ(window->Options().point_b_x->text().toStdString(),
            fktint::FormatNumber(1, 2, m.PixelToWorldX(m.origin_x + 50)));
  EXPECT_EQ(window->Options().point_a_x->text(), "1");
}

// Markers are found by position: no curve takes their colours, a stray yellow pixel grabs
// nothing, and a marker that is switched off cannot be dragged.
TEST_F(NavigationTest, MarkersAreFoundByPositionNotByColour) {
  window->Terms().f1_term->setText("X");
  window->Terms().f2_plotted->setChecked(true);
  window->Options().first_derivative->setChecked(true);
  window->Options().second_derivative->setChecked(true);
  window->Terms().f3_term->setText("X-1");
  window->Terms().f4_term->setText("X-2");
  window->Options().antiderivative->setChecked(true);
  window->OnDrawClicked();
  // Six curves, and none of them in the markers' colours: a press on a curve is never taken
  // for a marker, whatever the finder does.
  EXPECT_EQ(testing::CountColour(Picture(), kMarkerBColour), 0);
  EXPECT_EQ(testing::CountColour(Picture(), kMarkerAColour), 0);

  window->Options().point_a->setChecked(true);
  const QPoint a = MarkerA();
  Press(a.x() + 7, a.y());  // beyond reach
  EXPECT_EQ(nav->DragMode(), 0);
  Release(a.x() + 7, a.y());
  window->Options().point_a->setChecked(false);
  Press(a.x(), a.y());
  EXPECT_EQ(nav->DragMode(), 0) << "a hidden marker is not grabbed";
  Release(a.x(), a.y());
  EXPECT_EQ(window->Options().point_a_x->text(), "1");
}

TEST_F(NavigationTest, ActivationClearsTheMouseState) {
  window->Options().point_a->setChecked(true);
  const QPoint a = MarkerA();
  Press(a.x(), a.y());
  ASSERT_EQ(nav->DragMode(), 1);
  window->OnFirstShown();
  EXPECT_EQ(nav->DragMode(), 0);
  Press(10, 10);
  ASSERT_TRUE(nav->RubberBand());
  window->OnFirstShown();
  EXPECT_FALSE(nav->RubberBand());
}

TEST_F(NavigationTest, WheelZoomKeepsThePointUnderThePointer) {
  SetView(-6, 6, -5, 5);
  for (int delta : {120, 240, -120, -360}) {
    SCOPED_TRACE(delta);
    const plot::PlotView before = View();
    const double wx = plot::BandPixelToWorldX(before, W(), 123);
    const double wy = plot::BandPixelToWorldY(before, H(), 456);
    Wheel(123, 456, delta);
    const plot::PlotView after = View();
    EXPECT_NE(after, before);
    EXPECT_NEAR(plot::BandPixelToWorldX(after, W(), 123), wx, 1e-9);
    EXPECT_NEAR(plot::BandPixelToWorldY(after, H(), 456), wy, 1e-9);
  }
  // One notch is one button step of the span.
  SetView(-6, 6, -5, 5);
  Wheel(700, 20, 120);
  EXPECT_DOUBLE_EQ(View().x_max - View().x_min, 12 * 0.8);
}

TEST_F(NavigationTest, MiddleButtonDragPansThePicture) {
  SetView(-6, 6, -5, 5);
  Press(100, 100, Qt::MiddleButton);
  EXPECT_FALSE(nav->RubberBand());
  Move(100 + W() / 10, 100, Qt::MiddleButton);
  Move(100 + W() / 10, 100 - H() / 10, Qt::MiddleButton);
  Release(100 + W() / 10, 100 - H() / 10, Qt::MiddleButton);
  const double dx = static_cast<double>(W() / 10) / W() * 12;
  const double dy = static_cast<double>(H() / 10) / H() * 10;
  const plot::PlotView v = View();
  EXPECT_NEAR(v.x_min, -6 - dx, 1e-12);
  EXPECT_NEAR(v.x_max, 6 - dx, 1e-12);
  EXPECT_NEAR(v.y_min, -5 - dy, 1e-12);
  EXPECT_NEAR(v.y_max, 5 - dy, 1e-12);
  Move(300, 300, Qt::NoButton);  // released: moving no longer pans
  EXPECT_EQ(View(), v);
}

}  // namespace
}  // namespace plotwerk::ui
