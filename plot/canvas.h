// The drawing model every picture is made with: GDI-like pen, brush and font state plus the
// primitive operations. Implemented by QtCanvas (screen bitmap), the vector canvases of the
// exports, and the recording and raster canvases of the tests.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace plotwerk::plot {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct Point {
  std::int32_t x = 0, y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

struct TextSize {
  int width = 0, height = 0;
};

enum class PenStyle { Solid, Dot, Clear };
// Invert inverts every destination pixel under the pen, so drawing a figure twice restores it.
enum class PenMode { Copy, Invert };
enum class BrushStyle { Solid, Clear };

struct CanvasState {
  Rgb pen_color = kBlack;
  int pen_width = 1;
  PenStyle pen_style = PenStyle::Solid;
  PenMode pen_mode = PenMode::Copy;
  Rgb brush_color = kWhite;
  BrushStyle brush_style = BrushStyle::Solid;
  std::string font_name = "Verdana";
  int font_size = 9;  // points
  Rgb font_color = kBlack;
  // Set by the redraw; holds until the brush is first touched, then text backgrounds follow
  // the brush style at every TextOut.
  bool transparent_text_background = false;
};

// Coordinates are integer pixels, x to the right and y downwards from the top-left corner.
// Any 32-bit coordinate is allowed; what lies outside the surface is clipped silently.
// LineTo leaves out its end pixel; Rectangle and Ellipse leave out their right and bottom edges.
// Text is code page 1252 bytes.
class Canvas {
 public:
  virtual ~Canvas() = default;

  const CanvasState& State() const { return state_; }

  Rgb PenColor() const { return state_.pen_color; }
  void SetPenColor(Rgb c) { state_.pen_color = c; OnStateChanged(); }
  void SetPenWidth(int w) { state_.pen_width = w; OnStateChanged(); }
  void SetPenStyle(PenStyle s) { state_.pen_style = s; OnStateChanged(); }
  PenMode GetPenMode() const { return state_.pen_mode; }
  void SetPenMode(PenMode m) { state_.pen_mode = m; OnStateChanged(); }

  // Setting the colour of a clear brush makes it solid.
  void SetBrushColor(Rgb c) {
    state_.brush_color = c;
    state_.brush_style = BrushStyle::Solid;
    state_.transparent_text_background = false;
    OnStateChanged();
  }
  void SetBrushStyle(BrushStyle s) {
    state_.brush_style = s;
    state_.transparent_text_background = false;
    OnStateChanged();
  }

  void SetFontName(std::string_view name) { state_.font_name = std::string(name); OnStateChanged(); }
  void SetFontSize(int points) { state_.font_size = points; OnStateChanged(); }
  int FontSize() const { return state_.font_size; }
  void SetFontColor(Rgb c) { state_.font_color = c; OnStateChanged(); }
  void SetTransparentTextBackground() { state_.transparent_text_background = true; OnStateChanged(); }

  void MoveTo(std::int32_t x, std::int32_t y) { position_ = {x, y}; }
  Point Position() const { return position_; }
  void LineTo(std::int32_t x, std::int32_t y) {
    DrawLine(position_, {x, y});
    position_ = {x, y};
  }

  virtual void TextOut(std::int32_t x, std::int32_t y, std::string_view text) = 0;
  virtual TextSize TextExtent(std::string_view text) = 0;
  int TextWidth(std::string_view text) { return TextExtent(text).width; }
  virtual void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  virtual void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
  virtual void Polygon(std::span<const Point> points) = 0;
  virtual Rgb Pixel(std::int32_t x, std::int32_t y) = 0;
  virtual void SetPixel(std::int32_t x, std::int32_t y, Rgb c) = 0;

 protected:
  // Draws from `from` to `to` with the pen, end pixel excluded.
  virtual void DrawLine(Point from, Point to) = 0;
  // Called after every change of pen, brush or font state; canvases that cache derived
  // objects (a QPen, a QFont) refresh them here.
  virtual void OnStateChanged() {}

 private:
  CanvasState state_;
  Point position_;
};

}  // namespace plotwerk::plot
