// QtCanvas: the drawing model on a QPainter over any paint device: the screen bitmap (a
// QImage of Format_RGB32 with pixel access), or the SVG, PDF and printer devices of the
// exports. Antialiasing is off so every colour is exact; coordinates are clipped to a guard
// rectangle before they reach QPainter.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <string_view>

#include "plot/canvas.h"

namespace plotwerk::platform {

// The face of all canvas text: "Verdana" when installed, otherwise the metric-compatible
// "DejaVu Sans"; chosen once per process.
QString ChosenFontFamily();

// Pixels per point of the canvas fonts: the picture is laid out at 96 dots per inch.
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

// The QFont for a canvas state's font name and size, in pixels of the picture.
QFont CanvasFont(const plot::CanvasState& state);

// Code page 1252 text to a QString; in the font "Symbol" letters stand for Greek letters
// (p is pi), as that font shows them.
QString CanvasText(std::string_view text, std::string_view font_name);

class QtCanvas final : public plot::Canvas {
 public:
  // Draws on the image (converted to Format_RGB32 first if needed); pixels can be read back.
  explicit QtCanvas(QImage& image);
  // Draws on another device (SVG, PDF, printer) whose picture is width x height pixels;
  // reading a pixel gives white.
  QtCanvas(QPaintDevice& device, int width, int height);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void TextOut(std::int32_t x, std::int32_t y, std::string_view text) override;
  plot::TextSize TextExtent(std::string_view text) override;
  void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
  void Polygon(std::span<const plot::Point> points) override;
  plot::Rgb Pixel(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, plot::Rgb c) override;

  // Ends painting (also done by the destructor); the canvas draws nothing afterwards.
  void Finish();

  // Antialiased lines, shapes and text for a smooth picture (off by default: every colour
  // exact). Strokes of odd width move by half a pixel, so they lie on the same pixels as
  // without antialiasing instead of smearing over two.
  void SetSmooth(bool smooth);

 protected:
  void DrawLine(plot::Point from, plot::Point to) override;
  void OnStateChanged() override { dirty_ = true; }

 private:
  void Begin();
  // Applies pen, brush and mode to the painter when the canvas state changed.
  void Sync();
  bool InsideGuard(std::int64_t x, std::int64_t y) const;
  struct Pixel64 {
    std::int64_t x, y;
  };
  // A one-pixel line stepped into the bitmap; the end pixel is drawn only when clipping moved it.
  void ThinLine(Pixel64 from, Pixel64 to, bool end_clipped);

  QImage* image_ = nullptr;
  bool smooth_ = false;
  QPainter painter_;
  int width_ = 0;
  int height_ = 0;
  bool dirty_ = true;
};

}  // namespace plotwerk::platform
