// A canvas that records the drawing as an Enhanced Metafile (EMF): the vector picture of the
// ".wmf" export. Pure C++; text sizes come from an injected measurer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fktint/text_encoding.h"
#include "plot/canvas.h"
#include "plot/clip.h"
#include "plot/write_only_canvas.h"

namespace plotwerk::platform {

// Measures text in the canvas' current font, so that TextExtent and the character advances
// stored in the file match the toolkit's fonts.
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  virtual plot::TextSize Measure(const plot::CanvasState& state, std::string_view text) = 0;
};

// EMF record types written by EmfCanvas (values of the EMF format).
enum class EmfRecordType : std::uint32_t {
  Header = 1,
  Polygon = 3,
  Eof = 14,
  SetPixelV = 15,
  SetMapMode = 17,
  SetBkMode = 18,
  SetRop2 = 20,
  SetTextAlign = 22,
  SetTextColor = 24,
  SetBkColor = 25,
  MoveToEx = 27,
  SelectObject = 37,
  CreatePen = 38,
  CreateBrushIndirect = 39,
  DeleteObject = 40,
  Ellipse = 42,
  Rectangle = 43,
  LineTo = 54,
  ExtCreateFontIndirectW = 82,
  ExtTextOutW = 84,
};

inline constexpr int kEmfReferenceDpi = 96;  // the picture's pixels are 1/96 inch

using fktint::Cp1252ToUnicode;

// A recording has no pixels to read back; every pixel reads as the white background.
class EmfCanvas final : public plot::WriteOnlyCanvas {
 public:
  // A picture of width x height pixels; the header's bounds and frame describe that rectangle.
  EmfCanvas(int width, int height, TextMeasurer& measurer);

  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  plot::TextSize TextExtent(std::string_view text) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(std::span<const plot::Point> points) override;
  void SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) override;

  // Appends the end-of-file record, completes the header and returns the file content.
  // The canvas accepts no drawing afterwards (std::logic_error).
  std::vector<std::uint8_t> Finish();

 protected:
  void DrawLine(plot::Point from, plot::Point to) override;

 private:
  struct PenKey {
    plot::PenStyle style;
    int width;
    plot::Rgb colour;
    friend bool operator==(const PenKey&, const PenKey&) = default;
  };
  struct BrushKey {
    plot::BrushStyle style;
    plot::Rgb colour;
    friend bool operator==(const BrushKey&, const BrushKey&) = default;
  };
  struct FontKey {
    std::string name;
    int size;
    friend bool operator==(const FontKey&, const FontKey&) = default;
  };

  void BeginRecord(EmfRecordType type);
  void EndRecord();
  void U32(std::uint32_t v);
  void I32(std::int32_t v);
  void U16(std::uint16_t v);
  void U8(std::uint8_t v);
  void F32(float v);
  void Simple(EmfRecordType type, std::uint32_t value);

  void SyncPen();
  void SyncBrush();
  void SyncFont();
  void SyncMode();
  void SyncText();
  std::uint32_t NewHandle();
  void Replace(std::uint32_t& selected, std::uint32_t created);
  void CheckOpen() const;
  plot::ClipRect ClipArea() const;
  bool InsideClipArea(plot::Point p) const;

  int width_, height_;
  TextMeasurer& measurer_;
  std::vector<std::uint8_t> bytes_;
  std::size_t record_start_ = 0;
  std::uint32_t records_ = 0;
  bool finished_ = false;

  std::vector<bool> handle_used_{true};  // index 0 is reserved for the metafile itself
  std::uint32_t pen_handle_ = 0, brush_handle_ = 0, font_handle_ = 0;
  std::optional<PenKey> pen_;
  std::optional<BrushKey> brush_;
  std::optional<FontKey> font_;
  std::optional<std::uint32_t> bk_mode_, bk_colour_, text_colour_;
  // Every player starts with the copying raster operation, so it is written only when the
  // picture inverts.
  static constexpr std::uint32_t kR2CopyPen = 13;
  std::uint32_t rop2_ = kR2CopyPen;
  std::optional<plot::Point> position_;
};

}  // namespace plotwerk::platform
