// View navigation of the main window: the arrow, zoom and basic-setting buttons and menu
// items, and the mouse on the drawing area (rubber-band zoom, dragging A and B, wheel zoom,
// middle-button pan).
#pragma once

#include <QImage>
#include <QObject>
#include <QRgb>

#include <cstdint>

class QEvent;

namespace plotwerk::ui {

class MainWindow;

// Marker colours of A and B as drawn (the mouse finds the markers by their position).
inline constexpr QRgb kMarkerAColour = 0xFFFFFF00;  // yellow (255, 255, 0)
inline constexpr QRgb kMarkerBColour = 0xFF00FF00;  // lime (0, 255, 0)

// Draws the rubber-band frame from (x0, y0) to (x1, y1) on the shown picture: dotted, in
// invert mode, unfilled, so drawing the same frame again restores the picture.
void DrawBandFrame(QImage& screen, int x0, int y0, int x1, int y1);

// The navigation handlers, a child object of the window created when the window is built.
class ViewNavigation : public QObject {
  Q_OBJECT

 public:
  explicit ViewNavigation(MainWindow& window);

  void OnMoveLeftClicked();
  void OnMoveRightClicked();
  void OnMoveUpClicked();
  void OnMoveDownClicked();
  void OnZoomInClicked();
  void OnZoomOutClicked();
  void OnBasicSettingClicked();

  void OnMouseDown(Qt::MouseButton button, int px, int py);
  void OnMouseMove(int px, int py);
  void OnMouseUp(Qt::MouseButton button, int px, int py);
  // One wheel event at (px, py): a zoom step per notch about the world point under it.
  void OnWheel(int angle_delta, int px, int py);

  // Clears the drag state; run at every activation of the window.
  void ResetMouseState();

  std::uint8_t DragMode() const { return drag_mode_; }
  bool RubberBand() const { return rubber_band_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Applies a view operation and redraws.
  template <typename Op>
  void ChangeView(Op op);
  void MovePoint(int px);
  // Draws the last frame again, which removes it, when it is still on the shown picture.
  void EraseBandFrame();
  // 1 for marker A, 2 for B, 0 for none: the shown marker nearest to (px, py) within reach.
  int MarkerAt(int px, int py) const;

  MainWindow& window_;
  std::uint8_t drag_mode_ = 0;  // 0 none, 1 dragging A, 2 dragging B
  bool rubber_band_ = false;
  std::int32_t band_x0_ = 0, band_y0_ = 0, band_x1_ = 0, band_y1_ = 0;
  // Identifies the shown picture the last frame was drawn on.
  qint64 band_picture_key_ = 0;
  bool panning_ = false;
  int pan_x_ = 0, pan_y_ = 0;
  int wheel_remainder_ = 0;
};

}  // namespace plotwerk::ui
