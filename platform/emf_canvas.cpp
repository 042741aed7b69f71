// EMF recording: every canvas operation becomes the matching GDI record; pen, brush, font,
// colours and modes are written lazily, only when a drawing operation needs a changed value.
#include "platform/emf_canvas.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "plot/clip.h"

namespace plotwerk::platform {

namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kEmfVersion = 0x00010000;
constexpr std::size_t kHeaderBytesField = 48;         // offsets inside the header record
constexpr std::size_t kHeaderRecordsField = 52;
constexpr std::size_t kHeaderHandlesField = 56;
// Reference device: a 1920 x 1080 screen at 96 dpi.
constexpr std::int32_t kDevicePixelsX = 1920, kDevicePixelsY = 1080;
constexpr std::int32_t kHundredthMmPerInch = 2540;

constexpr std::uint32_t kMmText = 1;
constexpr std::uint32_t kTransparent = 1, kOpaque = 2;
constexpr std::uint32_t kR2Not = 6;
constexpr std::uint32_t kTaTopLeftNoUpdate = 0;
constexpr std::uint32_t kPsSolid = 0, kPsDot = 2, kPsNull = 5;
constexpr std::uint32_t kBsSolid = 0, kBsNull = 1;
constexpr std::uint32_t kGmCompatible = 1;
constexpr std::int32_t kFwNormal = 400;
constexpr std::size_t kFaceNameChars = 32;
constexpr std::size_t kLogFontPanoseTail = 320 - 92;  // full name, style, version ... panose
constexpr std::int32_t kPointsPerInch = 72;
// Page units to 0.01 mm at 96 dpi, stored with each text record.
constexpr float kTextScale = 2540.0f / kEmfReferenceDpi;
// Lines, polygons, rectangles, ellipses and pixels are cut to the picture plus this margin, so the file holds
// only coordinates every player can handle while the visible picture stays the same.
constexpr std::int32_t kClipMargin = 4096;
constexpr std::size_t kMaxPolygonPoints = (std::numeric_limits<std::uint32_t>::max() - 64) / 8;

std::int32_t ToHundredthMm(std::int64_t pixels) {
  return static_cast<std::int32_t>((pixels * kHundredthMmPerInch + kEmfReferenceDpi / 2) / kEmfReferenceDpi);
}

std::uint32_t ColourRef(plot::Rgb c) {
  return std::uint32_t{c.r} | (std::uint32_t{c.g} << 8) | (std::uint32_t{c.b} << 16);
}

std::int32_t Round(double v) { return static_cast<std::int32_t>(std::lround(v)); }

}  // namespace

EmfCanvas::EmfCanvas(int width, int height, TextMeasurer& measurer)
    : width_(std::max(width, 1)), height_(std::max(height, 1)), measurer_(measurer) {
  BeginRecord(EmfRecordType::Header);
  // Bounds and frame are inclusive rectangles: device pixels and 0.01 mm.
  I32(0);
  I32(0);
  I32(width_ - 1);
  I32(height_ - 1);
  I32(0);
  I32(0);
  I32(ToHundredthMm(width_) - 1);
  I32(ToHundredthMm(height_) - 1);
  U32(kEmfSignature);
  U32(kEmfVersion);
  U32(0);  // file size, completed by Finish
  U32(0);  // record count, completed by Finish
  U16(0);  // handle count, completed by Finish
  U16(0);
  U32(0);  // no description
  U32(0);
  U32(0);  // no palette
  I32(kDevicePixelsX);
  I32(kDevicePixelsY);
  I32(ToHundredthMm(kDevicePixelsX) / 100);
  I32(ToHundredthMm(kDevicePixelsY) / 100);
  U32(0);  // no pixel format
  U32(0);
  U32(0);  // no OpenGL records
  I32(ToHundredthMm(kDevicePixelsX) * 10);  // micrometres
  I32(ToHundredthMm(kDevicePixelsY) * 10);
  EndRecord();
  Simple(EmfRecordType::SetMapMode, kMmText);
  Simple(EmfRecordType::SetTextAlign, kTaTopLeftNoUpdate);
}

void EmfCanvas::CheckOpen() const {
  if (finished_) throw std::logic_error("EmfCanvas: drawing after Finish");
}

void EmfCanvas::U8(std::uint8_t v) { bytes_.push_back(v); }
void EmfCanvas::U16(std::uint16_t v) {
  U8(v & 0xFF);
  U8(v >> 8);
}
void EmfCanvas::U32(std::uint32_t v) {
  U16(v & 0xFFFF);
  U16(v >> 16);
}
void EmfCanvas::I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
void EmfCanvas::F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }

void EmfCanvas::BeginRecord(EmfRecordType type) {
  record_start_ = bytes_.size();
  U32(static_cast<std::uint32_t>(type));
  U32(0);  // size, set by EndRecord
}

void EmfCanvas::EndRecord() {
  while ((bytes_.size() - record_start_) % 4 != 0) U8(0);
  const auto size = static_cast<std::uint32_t>(bytes_.size() - record_start_);
  for (int i = 0; i < 4; ++i) bytes_[record_start_ + 4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  ++records_;
}

void EmfCanvas::Simple(EmfRecordType type, std::uint32_t value) {
  BeginRecord(type);
  U32(value);
  EndRecord();
}

std::uint32_t EmfCanvas::NewHandle() {
  auto free_slot = std::find(handle_used_.begin(), handle_used_.end(), false);
  const auto index = static_cast<std::uint32_t>(free_slot - handle_used_.begin());
  if (free_slot == handle_used_.end()) handle_used_.push_back(true);
  else *free_slot = true;
  return index;
}

// Selects the freshly created object and deletes the one it replaces.
void EmfCanvas::Replace(std::uint32_t& selected, std::uint32_t created) {
  Simple(EmfRecordType::SelectObject, created);
  if (selected != 0) {
    Simple(EmfRecordType::DeleteObject, selected);
    handle_used_[selected] = false;
  }
  selected = created;
}

void EmfCanvas::SyncPen() {
  const plot::CanvasState& s = State();
  const PenKey want{s.pen_style, s.pen_width, s.pen_color};
  if (pen_ == want) return;
  const std::uint32_t handle = NewHandle();
  BeginRecord(EmfRecordType::CreatePen);
  U32(handle);
  U32(want.style == plot::PenStyle::Solid ? kPsSolid : want.style == plot::PenStyle::Dot ? kPsDot : kPsNull);
  I32(std::max(want.width, 1));
  I32(0);  // the y part of the width is unused
  U32(ColourRef(want.colour));
  EndRecord();
  Replace(pen_handle_, handle);
  pen_ = want;
}

void EmfCanvas::SyncBrush() {
  const plot::CanvasState& s = State();
  const BrushKey want{s.brush_style, s.brush_color};
  if (brush_ == want) return;
  const std::uint32_t handle = NewHandle();
  BeginRecord(EmfRecordType::CreateBrushIndirect);
  U32(handle);
  U32(want.style == plot::BrushStyle::Solid ? kBsSolid : kBsNull);
  U32(ColourRef(want.colour));
  U32(0);  // no hatch
  EndRecord();
  Replace(brush_handle_, handle);
  brush_ = want;
}

void EmfCanvas::SyncFont() {
  const plot::CanvasState& s = State();
  FontKey want{s.font_name, s.font_size};
  if (font_ == want) return;
  const std::uint32_t handle = NewHandle();
  BeginRecord(EmfRecordType::ExtCreateFontIndirectW);
  U32(handle);
  // LOGFONTW: a negative height asks for the character height in pixels.
  const long pixels = std::lround(static_cast<double>(want.size) * kEmfReferenceDpi / kPointsPerInch);
  I32(-static_cast<std::int32_t>(pixels));
  I32(0);  // width: the face's own
  I32(0);  // escapement
  I32(0);  // orientation
  I32(kFwNormal);
  U8(0);  // italic
  U8(0);  // underline
  U8(0);  // strike-out
  U8(0);  // ANSI character set
  U8(0);  // output precision
  U8(0);  // clip precision
  U8(0);  // quality
  U8(0);  // pitch and family
  for (std::size_t i = 0; i < kFaceNameChars; ++i) {
    const bool in_name = i + 1 < kFaceNameChars && i < want.name.size();
    U16(in_name ? Cp1252ToUnicode(static_cast<unsigned char>(want.name[i])) : 0);
  }
  for (std::size_t i = 0; i < kLogFontPanoseTail; ++i) U8(0);
  EndRecord();
  Replace(font_handle_, handle);
  font_ = std::move(want);
}

// Background mode and raster operation follow the canvas: a clear brush (or the transparent
// text background of the redraw) leaves text cells and dot gaps unfilled.
void EmfCanvas::SyncMode() {
  const plot::CanvasState& s = State();
  const bool transparent = s.transparent_text_background || s.brush_style == plot::BrushStyle::Clear;
  const std::uint32_t mode = transparent ? kTransparent : kOpaque;
  if (bk_mode_ != mode) {
    Simple(EmfRecordType::SetBkMode, mode);
    bk_mode_ = mode;
  }
  if (!transparent && bk_colour_ != ColourRef(s.brush_color)) {
    Simple(EmfRecordType::SetBkColor, ColourRef(s.brush_color));
    bk_colour_ = ColourRef(s.brush_color);
  }
  const std::uint32_t rop = s.pen_mode == plot::PenMode::Invert ? kR2Not : kR2CopyPen;
  if (rop2_ != rop) {
    Simple(EmfRecordType::SetRop2, rop);
    rop2_ = rop;
  }
}

void EmfCanvas::SyncText() {
  SyncFont();
  SyncMode();
  const std::uint32_t colour = ColourRef(State().font_color);
  if (text_colour_ != colour) {
    Simple(EmfRecordType::SetTextColor, colour);
    text_colour_ = colour;
  }
}

plot::ClipRect EmfCanvas::ClipArea() const {
  return {-static_cast<double>(kClipMargin), -static_cast<double>(kClipMargin),
          static_cast<double>(width_) + kClipMargin, static_cast<double>(height_) + kClipMargin};
}

bool EmfCanvas::InsideClipArea(plot::Point p) const {
  const plot::ClipRect r = ClipArea();
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

void EmfCanvas::DrawLine(plot::Point from, plot::Point to) {
  CheckOpen();
  if (!InsideClipArea(from) || !InsideClipArea(to)) {
    plot::RealPoint a{static_cast<double>(from.x), static_cast<double>(from.y)};
    plot::RealPoint b{static_cast<double>(to.x), static_cast<double>(to.y)};
    if (!plot::ClipSegment(a, b, ClipArea())) return;
    from = {Round(a.x), Round(a.y)};
    to = {Round(b.x), Round(b.y)};
  }
  SyncPen();
  SyncMode();
  if (position_ != from) {
    BeginRecord(EmfRecordType::MoveToEx);
    I32(from.x);
    I32(from.y);
    EndRecord();
  }
  BeginRecord(EmfRecordType::LineTo);
  I32(to.x);
  I32(to.y);
  EndRecord();
  position_ = to;
}

void EmfCanvas::TextOut(std::int32_t x, std::int32_t y, std::string_view text) {
  CheckOpen();
  if (text.empty()) return;
  SyncText();
  const plot::TextSize size = TextExtent(text);
  const auto chars = static_cast<std::uint32_t>(text.size());
  constexpr std::uint32_t kFixedPart = 76;  // record header, bounds, mode, scales, EMRTEXT
  const std::uint32_t string_bytes = (2 * chars + 3) / 4 * 4;
  BeginRecord(EmfRecordType::ExtTextOutW);
  I32(x);
  I32(y);
  I32(x + std::max(size.width, 1) - 1);
  I32(y + std::max(size.height, 1) - 1);
  U32(kGmCompatible);
  F32(kTextScale);
  F32(kTextScale);
  I32(x);  // reference point: top-left of the text
  I32(y);
  U32(chars);
  U32(kFixedPart);  // offset of the string
  U32(0);           // no options: no clipping or opaquing rectangle
  I32(0);           // that unused rectangle, empty
  I32(0);
  I32(-1);
  I32(-1);
  U32(kFixedPart + string_bytes);  // offset of the character advances
  for (const char ch : text) U16(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
  while ((bytes_.size() - record_start_) % 4 != 0) U8(0);
  // The advance of each character is the growth of the measured prefix.
  int previous = 0;
  for (std::size_t i = 1; i <= text.size(); ++i) {
    const int prefix = measurer_.Measure(State(), text.substr(0, i)).width;
    I32(prefix - previous);
    previous = prefix;
  }
  EndRecord();
}

plot::TextSize EmfCanvas::TextExtent(std::string_view text) { return measurer_.Measure(State(), text); }

void EmfCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  CheckOpen();
  SyncPen();
  SyncBrush();
  SyncMode();
  // Clamping keeps the visible part of a rectangle unchanged.
  const plot::ClipRect r = ClipArea();
  const auto cx = [&r](std::int32_t x) { return static_cast<std::int32_t>(std::clamp<double>(x, r.left, r.right)); };
  const auto cy = [&r](std::int32_t y) { return static_cast<std::int32_t>(std::clamp<double>(y, r.top, r.bottom)); };
  BeginRecord(EmfRecordType::Rectangle);
  I32(cx(x1));
  I32(cy(y1));
  I32(cx(x2));
  I32(cy(y2));
  EndRecord();
}

void EmfCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  CheckOpen();
  if (!InsideClipArea({x1, y1}) || !InsideClipArea({x2, y2})) {
    // Too large for some players: the outline cut to the margin is written as a polygon.
    const double left = std::min(x1, x2), right = std::max(x1, x2);
    const double top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (right - left < 1 || bottom - top < 1) return;
    std::vector<plot::Point> outline;
    for (const plot::RealPoint p : plot::ClipEllipse(left, top, right, bottom, ClipArea())) {
      outline.push_back({Round(p.x), Round(p.y)});
    }
    if (outline.size() >= 3) Polygon(outline);
    return;
  }
  SyncPen();
  SyncBrush();
  SyncMode();
  BeginRecord(EmfRecordType::Ellipse);
  I32(x1);
  I32(y1);
  I32(x2);
  I32(y2);
  EndRecord();
}

void EmfCanvas::Polygon(std::span<const plot::Point> input) {
  CheckOpen();
  if (input.size() < 2 || input.size() > kMaxPolygonPoints) return;
  std::vector<plot::Point> clipped;
  std::span<const plot::Point> points = input;
  if (!std::all_of(input.begin(), input.end(), [this](plot::Point p) { return InsideClipArea(p); })) {
    std::vector<plot::RealPoint> real;
    real.reserve(input.size());
    for (const plot::Point p : input) real.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
    for (const plot::RealPoint p : plot::ClipPolygon(real, ClipArea())) clipped.push_back({Round(p.x), Round(p.y)});
    if (clipped.size() < 2) return;
    points = clipped;
  }
  SyncPen();
  SyncBrush();
  SyncMode();
  std::int32_t left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
  for (const plot::Point p : points) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  BeginRecord(EmfRecordType::Polygon);
  I32(left);
  I32(top);
  I32(right);
  I32(bottom);
  U32(static_cast<std::uint32_t>(points.size()));
  for (const plot::Point p : points) {
    I32(p.x);
    I32(p.y);
  }
  EndRecord();
}

void EmfCanvas::SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) {
  CheckOpen();
  if (!InsideClipArea({x, y})) return;
  BeginRecord(EmfRecordType::SetPixelV);
  I32(x);
  I32(y);
  U32(ColourRef(c));
  EndRecord();
}

std::vector<std::uint8_t> EmfCanvas::Finish() {
  CheckOpen();
  BeginRecord(EmfRecordType::Eof);
  U32(0);   // no palette entries
  U32(16);  // offset of the (empty) palette
  U32(20);  // this record's size again, for readers walking backwards
  EndRecord();
  finished_ = true;
  const auto patch = [this](std::size_t offset, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  patch(kHeaderBytesField, static_cast<std::uint32_t>(bytes_.size()), 4);
  patch(kHeaderRecordsField, records_, 4);
  patch(kHeaderHandlesField, static_cast<std::uint32_t>(handle_used_.size()), 2);
  return bytes_;
}

}  // namespace plotwerk::platform
