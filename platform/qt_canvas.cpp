// QtCanvas: GDI semantics on QPainter (end pixel of a line left out in every direction,
// exclusive right and bottom edges, inverting pen through a raster operation), with clipping
// in real arithmetic so that any 32-bit coordinate is safe.
#include "platform/qt_canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/emf_canvas.h"
#include "platform/vector_state.h"
#include "plot/clip.h"
#include "plot/line_walk.h"

namespace plotwerk::platform {

namespace {

// Geometry is clipped to the surface widened by this margin, wide enough for any pen.
constexpr double kGuardMargin = 64;
constexpr int kMaxPenWidth = 64;
// Text anchored further out than this is invisible and would overflow QPainter's fixed point.
constexpr std::int64_t kMaxTextOffset = 1 << 22;
// What the letters A-Z and a-z show in the font "Symbol".
constexpr char16_t kSymbolUpper[26] = {0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
                                       0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D,
                                       0x039F, 0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5,
                                       0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396};
constexpr char16_t kSymbolLower[26] = {0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
                                       0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD,
                                       0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5,
                                       0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6};

QColor ToQColor(plot::Rgb c) { return QColor(c.r, c.g, c.b); }

// The surface of width x height pixels widened by kGuardMargin on every side.
plot::ClipRect GuardRect(int width, int height) {
  return {-kGuardMargin, -kGuardMargin, width + kGuardMargin, height + kGuardMargin};
}

}  // namespace

QString ChosenFontFamily() {
  static const QString family = [] {
    const QString preferred = QStringLiteral("Verdana");
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive)) return preferred;
    return QStringLiteral("DejaVu Sans");
  }();
  return family;
}

QFont CanvasFont(const plot::CanvasState& state) {
  QString family = ChosenFontFamily();
  const QString wanted = QString::fromLatin1(state.font_name.data(), static_cast<int>(state.font_name.size()));
  if (wanted.compare(QStringLiteral("Verdana"), Qt::CaseInsensitive) != 0 &&
      wanted.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) != 0 &&
      QFontDatabase::families().contains(wanted, Qt::CaseInsensitive)) {
    family = wanted;
  }
  QFont font(family);
  const int points = std::clamp(state.font_size, 1, 200);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint))));
  font.setStyleStrategy(QFont::NoAntialias);
  font.setKerning(false);
  return font;
}

QString CanvasText(std::string_view text, std::string_view font_name) {
  const bool symbol = font_name == "Symbol";
  QString out;
  out.reserve(static_cast<int>(text.size()));
  for (const char ch : text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (symbol && byte >= 'A' && byte <= 'Z') {
      out.append(QChar(kSymbolUpper[byte - 'A']));
    } else if (symbol && byte >= 'a' && byte <= 'z') {
      out.append(QChar(kSymbolLower[byte - 'a']));
    } else {
      out.append(QChar(Cp1252ToUnicode(byte)));
    }
  }
  return out;
}

QtCanvas::QtCanvas(QImage& image) : image_(&image), width_(image.width()), height_(image.height()) {
  if (image.format() != QImage::Format_RGB32) image = image.convertToFormat(QImage::Format_RGB32);
  painter_.begin(&image);
  Begin();
}

QtCanvas::QtCanvas(QPaintDevice& device, int width, int height) : width_(width), height_(height) {
  painter_.begin(&device);
  Begin();
}

QtCanvas::~QtCanvas() { Finish(); }

void QtCanvas::Begin() {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  dirty_ = true;
}

void QtCanvas::SetSmooth(bool smooth) {
  smooth_ = smooth;
  painter_.setRenderHint(QPainter::Antialiasing, smooth);
  painter_.setRenderHint(QPainter::TextAntialiasing, smooth);
  dirty_ = true;
}

void QtCanvas::Finish() {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (painter_.isActive()) painter_.end();
}

bool QtCanvas::InsideGuard(std::int64_t x, std::int64_t y) const {
  const plot::ClipRect guard = GuardRect(width_, height_);
  return x >= guard.left && y >= guard.top && x <= guard.right && y <= guard.bottom;
}

void QtCanvas::Sync() {
  if (!dirty_) return;
  dirty_ = false;
  const plot::CanvasState& s = State();
  if (s.pen_style == plot::PenStyle::Clear) {
    painter_.setPen(Qt::NoPen);
  } else {
    QPen pen(ToQColor(s.pen_color));
    pen.setWidth(std::clamp(s.pen_width, 1, kMaxPenWidth));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (s.pen_style == plot::PenStyle::Dot) pen.setDashPattern({1, 1});
    painter_.setPen(pen);
  }
  if (s.brush_style == plot::BrushStyle::Solid) {
    painter_.setBrush(ToQColor(s.brush_color));
  } else {
    painter_.setBrush(Qt::NoBrush);
  }
  if (smooth_) {
    const double shift = std::clamp(s.pen_width, 1, kMaxPenWidth) % 2 == 1 ? 0.5 : 0.0;
    painter_.setTransform(QTransform::fromTranslate(shift, shift));
  }
  // Only the raster engine of a QImage can invert what is already there.
  const bool invert = s.pen_mode == plot::PenMode::Invert && image_ != nullptr;
  painter_.setCompositionMode(invert ? QPainter::RasterOp_NotDestination
                                     : QPainter::CompositionMode_SourceOver);
}

void QtCanvas::DrawLine(plot::Point from, plot::Point to) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (!painter_.isActive() || State().pen_style == plot::PenStyle::Clear) return;
  Sync();
  plot::RealPoint a{static_cast<double>(from.x), static_cast<double>(from.y)};
  plot::RealPoint b{static_cast<double>(to.x), static_cast<double>(to.y)};
  if (!plot::ClipSegment(a, b, GuardRect(width_, height_))) return;
  if (smooth_) {
    // Antialiased lines are drawn by Qt; the half-pixel shift of Sync() centres them.
    painter_.drawLine(QLineF(a.x, a.y, b.x, b.y));
    return;
  }
  if (image_ != nullptr && std::clamp(State().pen_width, 1, kMaxPenWidth) == 1) {
    // QPainter leaves out the end that comes last in its own drawing order (downwards or to
    // the right), whatever the direction asked for; thin lines on the bitmap are therefore
    // stepped here, from the start pixel up to but not including the end pixel.
    const bool end_moved = b.x != to.x || b.y != to.y;
    ThinLine({std::llround(a.x), std::llround(a.y)}, {std::llround(b.x), std::llround(b.y)}, end_moved);
    return;
  }
  // A flat-capped stroke covers the pixels from its start up to its end edge. Pixel k spans
  // [k, k + 1], so for a coordinate that decreases along the line the stroke has to run from
  // the far edge of the start pixel (k + 1) to the near edge of the end pixel.
  const double shift_x = b.x < a.x ? 1 : 0, shift_y = b.y < a.y ? 1 : 0;
  painter_.drawLine(QLineF(a.x + shift_x, a.y + shift_y, b.x + shift_x, b.y + shift_y));
}

void QtCanvas::ThinLine(Pixel64 from, Pixel64 to, bool end_clipped) {
  const plot::CanvasState& s = State();
  const bool invert = s.pen_mode == plot::PenMode::Invert;
  const QRgb colour = qRgb(s.pen_color.r, s.pen_color.g, s.pen_color.b);
  // The segment is already clipped to the guard area, which bounds the walk.
  plot::WalkLine(from.x, from.y, to.x, to.y, end_clipped, [&](std::int64_t x, std::int64_t y, std::int64_t step) {
    const bool dot_gap = s.pen_style == plot::PenStyle::Dot && step % 2 == 1;
    if (!dot_gap && x >= 0 && y >= 0 && x < width_ && y < height_) {
      QRgb& pixel = reinterpret_cast<QRgb*>(image_->bits() + static_cast<qsizetype>(y) * image_->bytesPerLine())[x];
      pixel = invert ? (~pixel | 0xFF000000u) : colour;
    }
  });
}

plot::TextSize QtCanvas::TextExtent(std::string_view text) {
  const plot::CanvasState& s = State();
  const QFontMetrics metrics(CanvasFont(s));
  return {metrics.horizontalAdvance(CanvasText(text, s.font_name)), metrics.height()};
}

void QtCanvas::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (!painter_.isActive()) return;
  if (x > width_ + kGuardMargin || y > height_ + kGuardMargin || x < -kMaxTextOffset || y < -kMaxTextOffset) {
    return;
  }
  const plot::CanvasState& s = State();
  QFont font = CanvasFont(s);
  if (smooth_) font.setStyleStrategy(QFont::PreferAntialias);
  const QString str = CanvasText(text, s.font_name);
  const QFontMetrics metrics(font);
  painter_.save();
  painter_.resetTransform();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (s.brush_style == plot::BrushStyle::Solid && !s.transparent_text_background) {
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(str), metrics.height()), ToQColor(s.brush_color));
  }
  painter_.setFont(font);
  painter_.setPen(ToQColor(s.font_color));
  painter_.drawText(QPoint(x, y + metrics.ascent()), str);
  painter_.restore();
}

void QtCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (!painter_.isActive()) return;
  Sync();
  auto clamp_x = [&](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kGuardMargin, width_ + kGuardMargin));
  };
  auto clamp_y = [&](std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, -kGuardMargin, height_ + kGuardMargin));
  };
  const int left = clamp_x(std::min(x1, x2)), right = clamp_x(std::max(x1, x2));
  const int top = clamp_y(std::min(y1, y2)), bottom = clamp_y(std::max(y1, y2));
  if (right <= left || bottom <= top) return;
  const plot::CanvasState& s = State();
  if (s.brush_style == plot::BrushStyle::Solid) {
    painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(s.brush_color));
  }
  if (s.pen_style != plot::PenStyle::Clear) {
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    QPen pen = painter_.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    painter_.setPen(pen);
    // An aliased outline of QRect(x, y, w, h) covers x..x+w, so w is one less.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    painter_.restore();
  }
}

void QtCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (!painter_.isActive()) return;
  Sync();
  const double left = std::min(x1, x2), right = std::max(x1, x2);
  const double top = std::min(y1, y2), bottom = std::max(y1, y2);
  if (right - left < 1 || bottom - top < 1) return;
  if (InsideGuard(x1, y1) && InsideGuard(x2, y2)) {
    painter_.drawEllipse(QRectF(left, top, right - left - 1, bottom - top - 1));
    return;
  }
  // A huge ellipse: its clipped outline as a polygon keeps QPainter within range.
  const auto clipped = plot::ClipEllipse(left, top, right, bottom, GuardRect(width_, height_));
  if (clipped.size() < 3) return;
  QPolygonF polygon;
  for (const auto& p : clipped) polygon << QPointF(p.x, p.y);
  painter_.drawPolygon(polygon);
}

void QtCanvas::Polygon(std::span<const plot::Point> points) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (!painter_.isActive() || points.empty()) return;
  Sync();
  const bool inside = std::all_of(points.begin(), points.end(),
                                  [&](const plot::Point& p) { return InsideGuard(p.x, p.y); });
  if (inside) {
    QPolygon polygon;
    for (const auto& p : points) polygon << QPoint(p.x, p.y);
    painter_.drawPolygon(polygon);
    return;
  }
  std::vector<plot::RealPoint> real;
  for (const auto& p : points) real.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  const plot::ClipRect guard = GuardRect(width_, height_);
  const auto clipped = plot::ClipPolygon(real, guard);
  if (clipped.size() < 2) return;
  QPolygonF polygon;
  for (const auto& p : clipped) polygon << QPointF(p.x, p.y);
  painter_.drawPolygon(polygon);
}

plot::Rgb QtCanvas::Pixel(std::int32_t x, std::int32_t y) {
  if (image_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return plot::kWhite;
  const QRgb c = reinterpret_cast<const QRgb*>(image_->constScanLine(y))[x];
  return {static_cast<std::uint8_t>(qRed(c)), static_cast<std::uint8_t>(qGreen(c)),
          static_cast<std::uint8_t>(qBlue(c))};
}

void QtCanvas::SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) {
  const UpperVectorStateGuard clean_upper_state;  // after Qt's 256-bit drawing code
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || !painter_.isActive()) return;
  if (image_ != nullptr) {
    // The raster engine paints straight into the image memory, so the pixel can be written
    // there too (bits() does not detach an image the painter is drawing on).
    reinterpret_cast<QRgb*>(image_->bits() + static_cast<qsizetype>(y) * image_->bytesPerLine())[x] =
        qRgb(c.r, c.g, c.b);
    return;
  }
  painter_.save();
  painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_.setPen(QPen(ToQColor(c), 1));
  painter_.drawPoint(x, y);
  painter_.restore();
}

}  // namespace plotwerk::platform
