// Fitting the main window to the screen: opening geometry, the term panel's fields and the
// option column's scroll bar.
#include "ui/window_fit.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

// Remembers on the memo what its width was last fitted for.
constexpr char kFitKeyProperty[] = "plotwerkFitKey";
// The memo measures at most this many lines (a long value table has rows of one width).
constexpr int kMemoMeasuredLines = 500;
// The memo widens in steps of this many pixels.
constexpr int kMemoWidthStep = 40;

// Re-lays the term panel whenever it changes size.
class TermPanelFit : public QObject {
 public:
  explicit TermPanelFit(MainWindow& window) : QObject(&window), window_(window) {
    window.Panels().term_panel->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_.Panels().term_panel && event->type() == QEvent::Resize) {
      LayoutTermPanel(window_, window_.Panels().term_panel->width());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  MainWindow& window_;
};

void InstallWindowFit(MainWindow& window) {
  new TermPanelFit(window);
  // The option column gets wider by the scroll bar while it is shown, so no control hides
  // under it.
  if (auto* scroll = window.findChild<QScrollArea*>("options_scroll")) {
    QScrollBar* bar = scroll->verticalScrollBar();
    QObject::connect(bar, &QScrollBar::rangeChanged, &window, [&window, bar](int, int max) {
      window.Panels().option_column->setFixedWidth(kOptionColumnWidth + (max > 0 ? bar->sizeHint().width() : 0));
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

qreal ResultLineAdvance(const QFontMetricsF& metrics, const QString& line, qreal tab_stop) {
  qreal x = 0;
  const QStringList parts = line.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (i > 0 && tab_stop > 0) x = (std::floor(x / tab_stop) + 1) * tab_stop;
    x += metrics.horizontalAdvance(parts[i]);
  }
  return x;
}

bool FitResultMemo(MainWindow& w, const QString& text) {
  QPlainTextEdit* memo = w.ResultMemo();
  // The animation refreshes the list at every step, mostly with the same text: measure only
  // what is new (a new text, or a new size of the room the memo stands in).
  const int room = w.Panels().picture_panel->width();
  const QString key = QStringLiteral("%1:%2:%3").arg(room).arg(memo->height()).arg(qHash(text));
  if (memo->property(kFitKeyProperty).toString() == key) return false;
  memo->setProperty(kFitKeyProperty, key);
  const QFontMetricsF metrics(memo->font());
  const qreal tab_stop = memo->tabStopDistance();
  qreal longest = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < lines.size() && i < kMemoMeasuredLines; ++i) {
    longest = std::max(longest, ResultLineAdvance(metrics, lines[i], tab_stop));
  }
  // Room for the frame, the document's margins and, for a list taller than the memo, the
  // vertical scroll bar.
  const qreal margins = 2 * memo->document()->documentMargin();
  const bool scrolls = lines.size() * metrics.lineSpacing() + margins > memo->height() - 2 * memo->frameWidth();
  const int chrome = 2 * memo->frameWidth() + static_cast<int>(std::ceil(margins)) +
                     (scrolls ? memo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
  const int wanted = static_cast<int>(std::ceil(longest)) + chrome;
  // Whole steps beyond the design width: a list that changes at every step of an animation
  // rarely crosses a step, so the drawing area beside it stays put.
  const int steps = std::max(0, (wanted - kResultMemoLeastWidth + kMemoWidthStep - 1) / kMemoWidthStep);
  const int most = std::max(kResultMemoLeastWidth, room / 2);
  const int width = std::min(kResultMemoLeastWidth + steps * kMemoWidthStep, most);
  if (width == memo->width()) return false;
  memo->setFixedWidth(width);
  return true;
}

void LayoutTermPanel(MainWindow& w, int width) {
  const int field = std::clamp((width - kTermPanelFixedWidth) / 2, kTermFieldLeastWidth,
                               kTermFieldDesignWidth);
  const int field_left = kTermCheckLeft + kTermCheckWidth;
  const int right_check = field_left + field + kTermFieldGap;
  const int right_field = right_check + kTermCheckWidth;
  const int buttons = right_field + field + kTermButtonGap;
  auto place = [](QWidget* widget, int x) { widget->move(x, widget->y()); };
  for (QWidget* edit : {static_cast<QWidget*>(w.Terms().f1_term), static_cast<QWidget*>(w.Terms().f2_term)}) {
    edit->setGeometry(field_left, edit->y(), field, edit->height());
  }
  for (QWidget* edit : {static_cast<QWidget*>(w.Terms().f3_term), static_cast<QWidget*>(w.Terms().f4_term)}) {
    edit->setGeometry(right_field, edit->y(), field, edit->height());
  }
  place(w.Terms().f3_plotted, right_check);
  place(w.Terms().f4_plotted, right_check);
  place(w.Terms().derive_button, buttons);
  place(w.Terms().derive_twice_button, buttons);
}

}  // namespace plotwerk::ui
