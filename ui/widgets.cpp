// The small widgets of the main window: term edits, steppers, picture buttons, drawing area.
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <algorithm>
#include <cmath>

#include "plot/reachable.h"
#include "plot/field_length.h"

namespace plotwerk::ui {

namespace {

constexpr char16_t kLastLatin1 = 0xFF;

// Glyph icons are drawn on a grid of this many units and scaled to the pixmap.
constexpr double kGlyphGrid = 16.0;
constexpr int kGlyphPixels = 16;
const QColor kGlyphColor(0, 0, 128);  // navy, like the panel's text

}  // namespace

// Both rules are the core's, so that text from a worksheet is taken exactly as typed text.
QChar UpperLatin1(QChar c) {
  const char16_t u = c.unicode();
  return u > kLastLatin1 ? c : QChar(char16_t(plot::UpperFieldByte(static_cast<unsigned char>(u))));
}

bool IsTermCharacter(QChar c) {
  const char16_t u = c.unicode();
  return u <= kLastLatin1 && plot::IsFieldByte(static_cast<unsigned char>(u));
}

QValidator::State Latin1UpperValidator::validate(QString& input, int& pos) const {
  for (QChar& c : input) {
    if (!IsTermCharacter(c)) return Invalid;
    c = UpperLatin1(c);
  }
  if (input.size() > plot::kMaxFieldLength) {
    input.truncate(plot::kMaxFieldLength);
    pos = std::min(pos, plot::kMaxFieldLength);
    if (on_cut) on_cut();
  }
  return Acceptable;
}

TermEdit::TermEdit(const QString& text, QWidget* parent) : QLineEdit(parent) {
  auto* validator = new Latin1UpperValidator(this);
  validator->on_cut = [this] {
    QToolTip::showText(mapToGlobal(QPoint(0, height())), CutNotice(), this);
  };
  setValidator(validator);
  setText(text);
}

QString TermEdit::CutNotice() {
  return QCoreApplication::translate("TermEdit", "The text was cut to %1 characters, the most a field takes.")
      .arg(plot::kMaxFieldLength);
}

std::string TermEdit::Latin1() const {
  const QByteArray bytes = text().toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// ---------------------------------------------------------------------------------------------

UpDown::UpDown(int min, int max, int position, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(position) {
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
  setFocusPolicy(Qt::NoFocus);
  connect(up_, &QToolButton::clicked, this, [this] { Click(Direction::Up); });
  connect(down_, &QToolButton::clicked, this, [this] { Click(Direction::Down); });
}

void UpDown::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::SetAssociate(QLineEdit* edit) {
  associate_ = edit;
  edit->installEventFilter(this);
  edit->setText(QString::number(position_));
}

int UpDown::Position() const {
  if (associate_ != nullptr) {
    bool ok = false;
    const int value = associate_->text().trimmed().toInt(&ok);
    if (ok && value >= min_ && value <= max_) position_ = value;
  }
  return position_;
}

void UpDown::SetPosition(int position) { position_ = std::clamp(position, min_, max_); }

void UpDown::Click(Direction direction) {
  emit ChangingEx(direction);
  const int before = Position();
  int after = before;
  if (direction == Direction::Up && before < max_) ++after;
  if (direction == Direction::Down && before > min_) --after;
  if (after == before) return;
  position_ = after;
  if (associate_ != nullptr) associate_->setText(QString::number(after));
  emit PositionChanged(after);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  // The arrow keys in the associated field step it, as on the stepper's buttons.
  if (watched == associate_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Click(key == Qt::Key_Up ? Direction::Up : Direction::Down);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------

namespace {

void PaintGlyph(QPainter& p, Glyph glyph) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(kGlyphColor);
  auto triangle = [&](QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.drawPath(path);
  };
  switch (glyph) {
    case Glyph::ArrowLeft: triangle({3, 8}, {12, 2.5}, {12, 13.5}); return;
    case Glyph::ArrowRight: triangle({13, 8}, {4, 2.5}, {4, 13.5}); return;
    case Glyph::ArrowUp: triangle({8, 3}, {2.5, 12}, {13.5, 12}); return;
    case Glyph::ArrowDown: triangle({8, 13}, {2.5, 4}, {13.5, 4}); return;
    case Glyph::ZoomIn:
    case Glyph::ZoomOut: {
      // A magnifier with a plus or a minus in its lens.
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kGlyphColor, 1.6));
      p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
      p.setPen(QPen(kGlyphColor, 2.6, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(10.2, 10.2), QPointF(14.2, 14.2));
      p.setPen(QPen(kGlyphColor, 1.5, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(4.2, 6.5), QPointF(8.8, 6.5));
      if (glyph == Glyph::ZoomIn) p.drawLine(QPointF(6.5, 4.2), QPointF(6.5, 8.8));
      return;
    }
    case Glyph::Reset: {
      // Two small axes crossing in the middle: back to the basic setting.
      p.setPen(QPen(kGlyphColor, 1.4, Qt::SolidLine, Qt::FlatCap));
      p.drawLine(QPointF(1.5, 8), QPointF(12.5, 8));
      p.drawLine(QPointF(8, 14.5), QPointF(8, 3.5));
      p.setPen(Qt::NoPen);
      triangle({15, 8}, {11.5, 5.8}, {11.5, 10.2});
      triangle({8, 1}, {5.8, 4.5}, {10.2, 4.5});
      return;
    }
  }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph) {
  QIcon icon;
  for (int scale : {1, 2, 3}) {
    QPixmap pixmap(kGlyphPixels * scale, kGlyphPixels * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(pixmap.width() / kGlyphGrid, pixmap.height() / kGlyphGrid);
    PaintGlyph(p, glyph);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

SpeedButton::SpeedButton(Glyph glyph, const QString& hint, QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setIcon(GlyphIcon(glyph));
  setIconSize(QSize(kGlyphPixels, kGlyphPixels));
  // Reached with Tab (not by a click, which would take the focus off the drawing area).
  setFocusPolicy(Qt::TabFocus);
  if (!hint.isEmpty()) setToolTip(hint);
}

// ---------------------------------------------------------------------------------------------

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  // With the focus, the arrow keys move the view (keyboard.cpp).
  setFocusPolicy(Qt::StrongFocus);
}

void PaintBox::Show(QImage picture) {
  screen_ = std::move(picture);
  update();
}

bool PaintBox::PictureFits() const {
  return !screen_.isNull() && screen_.deviceIndependentSize().toSize() == size() &&
         screen_.devicePixelRatio() == devicePixelRatioF();
}

QRgb PaintBox::ShownPixel(int x, int y) const {
  const double dpr = screen_.devicePixelRatio();
  const int px = static_cast<int>(std::floor(x * dpr));
  const int py = static_cast<int>(std::floor(y * dpr));
  if (screen_.isNull() || !screen_.valid(px, py)) return qRgb(0, 0, 0);
  return screen_.pixel(px, py) | 0xFF000000u;
}

void PaintBox::paintEvent(QPaintEvent*) {
  // A picture of another size is stale: the toolkit repaints a resized area through the
  // paint handler, which renders the current state afresh.
  if (!PictureFits() && !painting_ && width() > 0 && height() > 0) {
    painting_ = true;
    emit PaintRequested();
    painting_ = false;
  }
  QPainter p(this);
  if (screen_.isNull()) {
    p.fillRect(rect(), Qt::white);
    return;
  }
  p.drawImage(QPointF(0, 0), screen_);
  // The focus shows as a dotted frame on the screen only; the picture itself stays as drawn.
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void PaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void PaintBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void PaintBox::resizeEvent(QResizeEvent*) { emit Resized(size()); }

namespace {
int Floor(double v) { return static_cast<int>(std::floor(v)); }
}  // namespace

void PaintBox::mousePressEvent(QMouseEvent* e) {
  emit MouseDown(e->button(), e->modifiers(), Floor(e->position().x()), Floor(e->position().y()));
}
void PaintBox::mouseMoveEvent(QMouseEvent* e) {
  emit MouseMove(e->buttons(), e->modifiers(), Floor(e->position().x()), Floor(e->position().y()));
}
void PaintBox::mouseReleaseEvent(QMouseEvent* e) {
  emit MouseUp(e->button(), e->modifiers(), Floor(e->position().x()), Floor(e->position().y()));
}

}  // namespace plotwerk::ui
