// The mouse over the drawing area: its world coordinates in the status line, and the trace,
// a small cross that follows f1 at the mouse's x with x and f1(x) in the status line.
#pragma once

#include <QAction>
#include <QObject>
#include <QString>
#include <QWidget>

#include <optional>

namespace plotwerk::ui {

class MainWindow;

// While this key is held the trace runs even when the menu item is off.
inline constexpr Qt::KeyboardModifier kTraceModifier = Qt::ShiftModifier;

// Digits after the comma that tell one pixel from the next at this many pixels per unit.
int DecimalsForScale(double pixels_per_unit);

// A transparent layer over the drawing area that paints the trace cross. It never touches the
// picture, so marker colours, the rubber band and the dragging see the picture as drawn.
class TraceOverlay : public QWidget {
 public:
  explicit TraceOverlay(QWidget* area);
  void ShowCross(int x, int y);
  void HideCross();
  std::optional<QPoint> Cross() const { return cross_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<QPoint> cross_;
};

// A child object of the window named "MouseStatus".
class MouseStatus : public QObject {
 public:
  explicit MouseStatus(MainWindow& window);

  // The mouse at widget position (px, py) with these modifiers, or off the area.
  void MouseAt(int px, int py, Qt::KeyboardModifiers modifiers);
  void MouseLeft();

  QAction* trace_item;  // "Trace" in the "Special functions" menu
  TraceOverlay* overlay;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Trace(int px);

  MainWindow& window_;
  std::optional<QPoint> last_;
  Qt::KeyboardModifiers last_modifiers_;
};

}  // namespace plotwerk::ui
