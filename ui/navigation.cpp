// View navigation of the main window: buttons and menu items change the PlotView and redraw;
// the mouse zooms to a rubber band, drags A and B, zooms with the wheel and pans.
#include "ui/navigation.h"

#include <QAction>
#include <QEvent>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

#include "fktint/fktint.h"
#include "platform/qt_canvas.h"
#include "plot/navigation.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

constexpr plot::Rgb kBandPenColour{192, 192, 192};  // silver; no effect in invert mode
// Wheel delta of one notch.
constexpr int kWheelNotch = 120;
// The value of a dragged point travels through its field with two decimals.
constexpr unsigned kPointFieldWidth = 1;
constexpr unsigned kPointFieldDecimals = 2;
// The mouse grabs a marker within this many pixels of its centre (the marker's radius is 4).
constexpr long long kMarkerGrabRadius = 6;

void InstallNavigation(MainWindow& window) { new ViewNavigation(window); }
const WindowExtensionRegistration kNavigation{&InstallNavigation};

}  // namespace

void DrawBandFrame(QImage& screen, int x0, int y0, int x1, int y1) {
  if (screen.isNull()) return;
  platform::QtCanvas canvas(screen);
  canvas.SetPenColor(kBandPenColour);
  canvas.SetPenStyle(plot::PenStyle::Dot);
  canvas.SetPenMode(plot::PenMode::Invert);
  canvas.SetBrushStyle(plot::BrushStyle::Clear);
  canvas.Rectangle(x0, y0, x1, y1);
}

ViewNavigation::ViewNavigation(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName("ViewNavigation");
  const NavigationWidgets& view = window.Navigation();
  connect(view.move_left_button, &QToolButton::clicked, this, &ViewNavigation::OnMoveLeftClicked);
  connect(view.move_right_button, &QToolButton::clicked, this, &ViewNavigation::OnMoveRightClicked);
  connect(view.move_up_button, &QToolButton::clicked, this, &ViewNavigation::OnMoveUpClicked);
  connect(view.move_down_button, &QToolButton::clicked, this, &ViewNavigation::OnMoveDownClicked);
  connect(view.zoom_in_button, &QToolButton::clicked, this, &ViewNavigation::OnZoomInClicked);
  connect(view.zoom_out_button, &QToolButton::clicked, this, &ViewNavigation::OnZoomOutClicked);
  connect(view.basic_setting_button, &QToolButton::clicked, this, &ViewNavigation::OnBasicSettingClicked);
  connect(window.Menu().shrink_interval_item, &QAction::triggered, this, &ViewNavigation::OnZoomInClicked);
  connect(window.Menu().widen_interval_item, &QAction::triggered, this, &ViewNavigation::OnZoomOutClicked);
  connect(window.Menu().basic_setting_item, &QAction::triggered, this, &ViewNavigation::OnBasicSettingClicked);

  PaintBox* box = window.DrawingArea();
  connect(box, &PaintBox::MouseDown, this,
          [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            OnMouseDown(b, x, y);
          });
  connect(box, &PaintBox::MouseMove, this,
          [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
            OnMouseMove(x, y);
          });
  connect(box, &PaintBox::MouseUp, this,
          [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            OnMouseUp(b, x, y);
          });
  box->installEventFilter(this);
  connect(&window, &MainWindow::Activated, this, &ViewNavigation::ResetMouseState);
}

template <typename Op>
void ViewNavigation::ChangeView(Op op) {
  plot::PlotView view = window_.Plotter().View();
  op(view);
  window_.Plotter().SetView(view);
  window_.Redraw();
}

void ViewNavigation::OnMoveLeftClicked() { ChangeView(plot::ShiftLeft); }
void ViewNavigation::OnMoveRightClicked() { ChangeView(plot::ShiftRight); }
void ViewNavigation::OnMoveUpClicked() { ChangeView(plot::ShiftUp); }
void ViewNavigation::OnMoveDownClicked() { ChangeView(plot::ShiftDown); }
void ViewNavigation::OnZoomInClicked() { ChangeView(plot::ZoomIn); }
void ViewNavigation::OnZoomOutClicked() { ChangeView(plot::ZoomOut); }

void ViewNavigation::OnBasicSettingClicked() {
  window_.Plotter().ApplyBasicSetting(window_.PaintWidth(), window_.PaintHeight());
  window_.Redraw();
}

void ViewNavigation::ResetMouseState() {
  drag_mode_ = 0;
  rubber_band_ = false;
  panning_ = false;
  wheel_remainder_ = 0;
  window_.DrawingArea()->unsetCursor();
}

int ViewNavigation::MarkerAt(int px, int py) const {
  // By position, not by the colour under the mouse: a curve may be drawn in a marker's colour,
  // and a marker that is switched off must not be grabbed.
  const plot::PointTables& points = window_.Plotter().Points();
  int best = 0;
  long long best_distance = 0;
  const plot::MarkerSpot* spots[] = {&points.marker_a, &points.marker_b};
  for (int i = 0; i < 2; ++i) {
    if (!spots[i]->shown) continue;
    const long long dx = static_cast<long long>(px) - spots[i]->x;
    const long long dy = static_cast<long long>(py) - spots[i]->y;
    const long long distance = dx * dx + dy * dy;
    if (distance > kMarkerGrabRadius * kMarkerGrabRadius) continue;
    if (best == 0 || distance < best_distance) {
      best = i + 1;
      best_distance = distance;
    }
  }
  return best;
}

void ViewNavigation::OnMouseDown(Qt::MouseButton button, int px, int py) {
  if (panning_) return;
  const int marker = MarkerAt(px, py);
  if (marker != 0) {
    drag_mode_ = static_cast<std::uint8_t>(marker);
  } else if (button == Qt::LeftButton) {
    band_x0_ = band_x1_ = px;
    band_y0_ = band_y1_ = py;
    band_picture_key_ = window_.DrawingArea()->Screen().cacheKey();
    rubber_band_ = true;
  } else if (button == Qt::MiddleButton && !rubber_band_) {
    // Beyond the left-button zoom: the middle button drags the picture.
    panning_ = true;
    pan_x_ = px;
    pan_y_ = py;
    window_.DrawingArea()->setCursor(Qt::ClosedHandCursor);
  }
}

void ViewNavigation::MovePoint(int px) {
  const double x = window_.Plotter().Mapping().PixelToWorldX(px);
  const QString text = QString::fromLatin1(
      fktint::FormatNumber(kPointFieldWidth, kPointFieldDecimals, x));
  (drag_mode_ == 1 ? window_.Options().point_a_x : window_.Options().point_b_x)->setText(text);
  window_.RedrawWithResults();
}

void ViewNavigation::OnMouseMove(int px, int py) {
  if (panning_) {
    const int dx = px - pan_x_, dy = py - pan_y_;
    pan_x_ = px;
    pan_y_ = py;
    if (dx == 0 && dy == 0) return;
    const int w = window_.PaintWidth(), h = window_.PaintHeight();
    ChangeView([&](plot::PlotView& v) { plot::PanByPixels(v, w, h, dx, dy); });
    return;
  }
  if (drag_mode_ != 0 || MarkerAt(px, py) != 0) {
    window_.DrawingArea()->setCursor(Qt::PointingHandCursor);
    if (drag_mode_ != 0) MovePoint(px);
    return;
  }
  window_.DrawingArea()->unsetCursor();
  if (rubber_band_) {
    EraseBandFrame();
    QImage& screen = window_.DrawingArea()->Screen();
    DrawBandFrame(screen, band_x0_, band_y0_, px, py);
    band_picture_key_ = screen.cacheKey();
    band_x1_ = px;
    band_y1_ = py;
    window_.DrawingArea()->update();
  }
}

void ViewNavigation::EraseBandFrame() {
  QImage& screen = window_.DrawingArea()->Screen();
  // A repaint in the meantime (an animation tick) has put up a picture without the frame;
  // inverting there would leave a stray frame behind.
  if (screen.cacheKey() != band_picture_key_) return;
  DrawBandFrame(screen, band_x0_, band_y0_, band_x1_, band_y1_);
}

void ViewNavigation::OnMouseUp(Qt::MouseButton button, int px, int /*py*/) {
  if (drag_mode_ != 0) {
    MovePoint(px);
    drag_mode_ = 0;
    return;
  }
  if (panning_) {
    if (button == Qt::MiddleButton) {
      panning_ = false;
      window_.DrawingArea()->unsetCursor();
    }
    return;
  }
  if (!rubber_band_) return;
  rubber_band_ = false;
  const int w = window_.PaintWidth(), h = window_.PaintHeight();
  plot::PlotView view = window_.Plotter().View();
  if (plot::ZoomToBand(view, w, h, band_x0_, band_y0_, band_x1_, band_y1_)) {
    window_.Plotter().SetView(view);
    window_.Redraw();
  } else {
    // Too small to zoom: take the frame off the picture again.
    EraseBandFrame();
    window_.DrawingArea()->update();
  }
}

void ViewNavigation::OnWheel(int angle_delta, int px, int py) {
  if (rubber_band_ || panning_ || drag_mode_ != 0) return;
  wheel_remainder_ += angle_delta;
  const int notches = wheel_remainder_ / kWheelNotch;
  if (notches == 0) return;
  wheel_remainder_ -= notches * kWheelNotch;
  const int w = window_.PaintWidth(), h = window_.PaintHeight();
  ChangeView([&](plot::PlotView& v) {
    // The world point under the pointer, converted like the rubber band's corners.
    const double wx = plot::BandPixelToWorldX(v, w, px);
    const double wy = plot::BandPixelToWorldY(v, h, py);
    for (int i = 0; i < std::abs(notches); ++i) plot::ZoomAbout(v, wx, wy, notches > 0);
  });
}

bool ViewNavigation::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_.DrawingArea() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    const QPointF pos = wheel->position();
    OnWheel(wheel->angleDelta().y(), static_cast<int>(std::floor(pos.x())),
                   static_cast<int>(std::floor(pos.y())));
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace plotwerk::ui
