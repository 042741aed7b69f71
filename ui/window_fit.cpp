// Fitting the main window to the screen: opening geometry, the term panel's fields and the
// option column's scroll bar.
#include "ui/window_fit.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "ui/tfgraf.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

// Design positions of the term panel, left to right.
constexpr int kCheckLeft = 12;
constexpr int kCheckWidth = 72;
constexpr int kFieldGap = 10;
constexpr int kButtonGap = 6;

// Re-lays the term panel whenever it changes size.
class TermPanelFit : public QObject {
 public:
  explicit TermPanelFit(TFGraf& window) : QObject(&window), window_(window) {
    window.Panel9->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_.Panel9 && event->type() == QEvent::Resize) {
      LayoutTermPanel(window_, window_.Panel9->width());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  TFGraf& window_;
};

void InstallWindowFit(TFGraf& window) {
  new TermPanelFit(window);
  // The option column gets wider by the scroll bar while it is shown, so no control hides
  // under it.
  if (auto* scroll = window.findChild<QScrollArea*>("Panel7Scroll")) {
    QScrollBar* bar = scroll->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::rangeChanged, &window, [&window, bar](int, int max) {
      window.Panel6->setFixedWidth(kOptionColumnWidth + (max > 0 ? bar->sizeHint().width() : 0));
    });
  }
}
const WindowExtensionRegistration kWindowFit{&InstallWindowFit};

}  // namespace

QRect InitialGeometry(QSize wanted, QRect available) {
  const int room_w = std::max(1, available.width() - 2 * kFrameAllowanceSide);
  const int room_h = std::max(1, available.height() - kFrameAllowanceTop - kFrameAllowanceSide);
  const QSize size(std::min(wanted.width(), room_w), std::min(wanted.height(), room_h));
  const int x = available.left() + (available.width() - size.width()) / 2;
  const int y = available.top() + kFrameAllowanceTop +
                (available.height() - kFrameAllowanceTop - kFrameAllowanceSide - size.height()) / 2;
  return QRect(QPoint(x, std::max(available.top() + kFrameAllowanceTop, y)), size);
}

void LayoutTermPanel(TFGraf& w, int width) {
  const int field = std::clamp((width - kTermPanelFixedWidth) / 2, kTermFieldLeastWidth,
                               kTermFieldDesignWidth);
  const int field_left = kCheckLeft + kCheckWidth;
  const int right_check = field_left + field + kFieldGap;
  const int right_field = right_check + kCheckWidth;
  const int buttons = right_field + field + kButtonGap;
  auto place = [](QWidget* widget, int x) { widget->move(x, widget->y()); };
  for (QWidget* edit : {static_cast<QWidget*>(w.ed_f1), static_cast<QWidget*>(w.ed_f2)}) {
    edit->setGeometry(field_left, edit->y(), field, edit->height());
  }
  for (QWidget* edit : {static_cast<QWidget*>(w.ed_f3), static_cast<QWidget*>(w.ed_f4)}) {
    edit->setGeometry(right_field, edit->y(), field, edit->height());
  }
  place(w.c_f3, right_check);
  place(w.c_f4, right_check);
  place(w.button_fstrich, buttons);
  place(w.button_f2strich, buttons);
}

}  // namespace plotwerk::ui
