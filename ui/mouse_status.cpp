// Mouse coordinates and the trace of f1 in the status line, with the cross on an overlay.
#include "ui/mouse_status.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "fktint/fktint.h"
#include "plot/analysis.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

constexpr int kCrossArm = 5;
constexpr int kMaxDecimals = 10;
// The value of f1 is shown with this many digits more than the y coordinate needs.
constexpr int kExtraValueDecimals = 2;
const QColor kCrossColour(220, 0, 0);

QString Number(double value, int decimals) {
  return QString::fromLatin1(fktint::FormatNumber(1, static_cast<unsigned>(decimals), value));
}

void InstallMouseStatus(MainWindow& window) { new MouseStatus(window); }
const WindowExtensionRegistration kMouseStatus{&InstallMouseStatus};

}  // namespace

int DecimalsForScale(double pixels_per_unit) {
  if (!(pixels_per_unit > 0) || !std::isfinite(pixels_per_unit)) return 0;
  return std::clamp(static_cast<int>(std::ceil(std::log10(pixels_per_unit))), 0, kMaxDecimals);
}

TraceOverlay::TraceOverlay(QWidget* area) : QWidget(area) {
  setObjectName("TraceOverlay");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(area->rect());
}

void TraceOverlay::ShowCross(int x, int y) {
  cross_ = QPoint(x, y);
  update();
}

void TraceOverlay::HideCross() {
  if (!cross_) return;
  cross_.reset();
  update();
}

void TraceOverlay::paintEvent(QPaintEvent*) {
  if (!cross_) return;
  QPainter p(this);
  p.setPen(QPen(kCrossColour, 1));
  const QPoint c = *cross_;
  p.drawLine(c.x() - kCrossArm, c.y(), c.x() + kCrossArm, c.y());
  p.drawLine(c.x(), c.y() - kCrossArm, c.x(), c.y() + kCrossArm);
}

MouseStatus::MouseStatus(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName("MouseStatus");
  window.Menu().special_menu->addSeparator();
  trace_item = window.Menu().special_menu->addAction(QCoreApplication::translate("MouseStatus", "Trace"));
  trace_item->setObjectName("trace_item");
  trace_item->setCheckable(true);
  overlay = new TraceOverlay(window.DrawingArea());
  connect(
      window.DrawingArea(), &PaintBox::MouseMove, this,
      [this](Qt::MouseButtons, Qt::KeyboardModifiers modifiers, int x, int y) { MouseAt(x, y, modifiers); });
  connect(trace_item, &QAction::toggled, this, [this](bool on) {
    if (!on) overlay->HideCross();
  });
  // A new picture (the animation, a changed term) moves f1 under a resting mouse.
  connect(&window, &MainWindow::Repainted, this, [this] {
    if (last_ && window_.DrawingArea()->underMouse()) MouseAt(last_->x(), last_->y(), last_modifiers_);
  });
  window.DrawingArea()->installEventFilter(this);
  // Shift goes to the field with the focus, not to the drawing area: watch it application-wide.
  qApp->installEventFilter(this);
}

bool MouseStatus::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && last_ &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Shift) {
    const bool held = event->type() == QEvent::KeyPress;
    const Qt::KeyboardModifiers modifiers =
        held ? last_modifiers_ | kTraceModifier : last_modifiers_ & ~Qt::KeyboardModifiers(kTraceModifier);
    if (modifiers != last_modifiers_) MouseAt(last_->x(), last_->y(), modifiers);
  }
  if (watched == window_.DrawingArea()) {
    if (event->type() == QEvent::Leave) MouseLeft();
    if (event->type() == QEvent::Resize) overlay->setGeometry(window_.DrawingArea()->rect());
  }
  return QObject::eventFilter(watched, event);
}

void MouseStatus::MouseLeft() {
  last_.reset();
  window_.Status()->SetPosition({});
  overlay->HideCross();
}

void MouseStatus::MouseAt(int px, int py, Qt::KeyboardModifiers modifiers) {
  last_ = QPoint(px, py);
  last_modifiers_ = modifiers;
  if (trace_item->isChecked() || modifiers.testFlag(kTraceModifier)) {
    Trace(px);
    return;
  }
  overlay->HideCross();
  const plot::ScreenMapping& map = window_.Plotter().Mapping();
  const double x = map.PixelToWorldX(px);
  const double y = (map.origin_y_real - py) / map.y_scale;
  window_.Status()->SetPosition(
      QCoreApplication::translate("MouseStatus", "(%1; %2)")
          .arg(Number(x, DecimalsForScale(map.x_scale)), Number(y, DecimalsForScale(map.y_scale))));
}

void MouseStatus::Trace(int px) {
  const plot::ScreenMapping& map = window_.Plotter().Mapping();
  const int dx = DecimalsForScale(map.x_scale);
  // f1 is taken at the x that is shown, so both numbers belong together exactly.
  const double shown_x = std::round(map.PixelToWorldX(px) * std::pow(10.0, dx)) / std::pow(10.0, dx);
  const QString x_text = Number(shown_x, dx);
  const auto& terms = window_.Plotter().Terms().Terms();
  // Only a drawn f1 is traced: the first term of the list is f1 when its box was checked.
  if (terms.empty() || !window_.Terms().f1_plotted->isChecked() || window_.Terms().f1_term->text().isEmpty()) {
    overlay->HideCross();
    window_.Status()->SetPosition(
        QCoreApplication::translate("MouseStatus", "x = %1   no f1 drawn").arg(x_text));
    return;
  }
  const plot::Sample s = plot::TermFunction(terms.front(), window_.Plotter().Params())(shown_x);
  const double row = map.WorldToPixelY(s.value);
  if (!s.Defined()) {
    overlay->HideCross();
    window_.Status()->SetPosition(
        QCoreApplication::translate("MouseStatus", "x = %1   f1(x) undefined").arg(x_text));
    return;
  }
  const int dy = std::min(DecimalsForScale(map.y_scale) + kExtraValueDecimals, kMaxDecimals);
  window_.Status()->SetPosition(
      QCoreApplication::translate("MouseStatus", "x = %1   f1(x) = %2").arg(x_text, Number(s.value, dy)));
  const double col = map.WorldToPixelX(shown_x);
  if (std::fabs(row) < window_.PaintHeight() * 4.0 && std::fabs(col) < window_.PaintWidth() * 4.0) {
    overlay->ShowCross(static_cast<int>(std::lround(col)), static_cast<int>(std::lround(row)));
  } else {
    overlay->HideCross();
  }
}

}  // namespace plotwerk::ui
