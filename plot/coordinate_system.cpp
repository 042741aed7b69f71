// koordinatensystem: fine grid, grid, axes with arrow heads, ticks and labels on the axes and
// along the frame. Tick passes jump straight to the first visible multiple of the step.
#include "plot/coordinate_system.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <numbers>
#include <string>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

constexpr Rgb kGridGrey{208, 208, 208};
constexpr Rgb kFineGridGrey{240, 240, 240};
constexpr double kSpanDivisor = 20;
constexpr double kMaxTickPixelsX = 80;
constexpr double kMaxTickPixelsY = 75;
constexpr double kFineIntervals = 5;
constexpr double kArrowSide = 14;
constexpr double kArrowHalfAngle = 0.264346095279206;
constexpr double kAngleUnit = 0.7853981633974483;  // pi/4
constexpr double kPi = std::numbers::pi;
// The divisor doubles at most this often (it reaches infinity long before).
constexpr int kMaxDivisorSteps = 2100;
// Free pixels kept between two axis labels; a label that would come closer is left out.
constexpr int kLabelGap = 2;
// Labels go on every n-th tick at most this far apart.
constexpr double kMaxLabelStride = 1e6;
// A typed tick spacing closer than this many pixels is too dense to draw; the automatic one
// is used instead.
constexpr double kMinTypedTickPixels = 4;
// Scale numbers at an edge of the area (its axis out of view): ticks this long, the numbers
// this far from the edge.
constexpr std::int32_t kEdgeTick = 5;
constexpr std::int32_t kEdgeGap = 2;
// Largest index the search for the first visible tick looks at.
constexpr std::int64_t kMaxTickIndex = std::int64_t{1} << 62;

// Rounded pixel position along one axis for a tick value t: round(t * slope + offset).
struct AxisPixels {
  double slope;
  double offset;
  double operator()(double t) const { return RoundHalfEvenReal(t * slope + offset); }
};

std::int32_t ToPixel(double p) { return RoundHalfEvenClamped(p); }

// The spacing typed for an axis ("Window..." dialog), or 0 for the automatic one: empty, not
// a positive number, or closer than kMinTypedTickPixels on the area.
double TypedStep(const std::string& text, double pixels_per_unit, const Parameters& parameters) {
  if (text.empty()) return 0;
  const double step = fktint::ReadNumberField(text, parameters.p, parameters.q);
  if (!(step > 0) || !std::isfinite(step)) return 0;
  return std::fabs(step * pixels_per_unit) >= kMinTypedTickPixels ? step : 0;
}

TickStep StepRule(double span, AxisPixels pix, double max_pixels) {
  TickStep step;
  step.n = std::trunc(span / kSpanDivisor) + 1;
  step.d = 1;
  for (int k = 0; k < kMaxDivisorSteps && std::fabs(pix(0) - pix(step.n / step.d)) > max_pixels; ++k) {
    step.d *= 2;
    if (step.d == 8) step.d = 10;
    if (step.d == 80) step.d = 100;
  }
  return step;
}

// Smallest k >= 0 at which skip(pix(t0 + k * delta)) is false, for a position that moves
// monotonically with k; -1 when there is none within kMaxTickIndex. Exponential then binary
// search, so a view far from the origin costs a few dozen evaluations instead of one per step.
template <typename Skip>
std::int64_t FirstIndexPast(AxisPixels pix, double t0, double delta, Skip skip) {
  auto skipped = [&](std::int64_t k) { return skip(pix(t0 + static_cast<double>(k) * delta)); };
  if (!skipped(0)) return 0;
  std::int64_t low = 0;  // skipped
  std::int64_t high = 1;
  while (skipped(high)) {
    if (high >= kMaxTickIndex) return -1;
    low = high;
    high *= 2;
  }
  while (high - low > 1) {
    const std::int64_t mid = low + (high - low) / 2;
    if (skipped(mid)) {
      low = mid;
    } else {
      high = mid;
    }
  }
  return high;
}

// Runs one pass: from the first index past `skip`, calls draw(t) while keep(pix(t)) holds.
// The values after the first visible one advance by `draw_delta`.
template <typename Skip, typename Keep, typename Draw>
void TickPass(AxisPixels pix, double t0, double skip_delta, Skip skip, double draw_delta, Keep keep,
              Draw draw) {
  if (!(std::fabs(skip_delta * pix.slope) > 0) || !std::isfinite(skip_delta * pix.slope)) return;
  const std::int64_t k = FirstIndexPast(pix, t0, skip_delta, skip);
  if (k < 0) return;
  const double first = t0 + static_cast<double>(k) * skip_delta;
  for (int j = 0; j < kMaxTicksPerPass; ++j) {
    const double t = first + j * draw_delta;
    const double p = pix(t);
    if (!keep(p)) break;
    draw(t, p);
  }
}

void Line(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

class CoordinateSystem {
 public:
  CoordinateSystem(Canvas& canvas, const ScreenMapping& mapping, const PlotView& view, const Controls& c,
                   const Parameters& parameters)
      : canvas_(canvas),
        mapping_(mapping),
        view_(view),
        c_(c),
        w_(mapping.width),
        h_(mapping.height),
        m_(c.degrees || c.radians ? kAngleUnit : 1),
        px_{mapping.x_scale, mapping.origin_x_real},
        // A tick value t along y stands at world y = -t, i.e. row t * y_scale + origin_y.
        py_{mapping.y_scale, mapping.origin_y_real},
        pxm_{mapping.x_scale * m_, mapping.origin_x_real},
        typed_x_(TypedStep(c.x_tick_spacing, mapping.x_scale, parameters)),
        typed_y_(TypedStep(c.y_tick_spacing, mapping.y_scale, parameters)) {}

  void Draw() {
    canvas_.SetFontColor(kBlack);
    if (c_.fine_grid) FineGrid();
    if (c_.axes) {
      Axes();
    } else if (c_.grid) {
      SubstituteAxes();
    }
    XTicks();
    YTicks();
    canvas_.SetFontColor(kBlack);
  }

 private:
  bool YAxisInView() const { return !(view_.x_min * view_.x_max > 0); }
  double YStep() const { return typed_y_ > 0 ? typed_y_ : StepRule(mapping_.y_span, py_, kMaxTickPixelsY).Step(); }
  // Whether the axes carry their scale numbers beside them; when an axis is out of view they
  // stand at the edge of the area it lies beyond (unless the frame already has them).
  bool XLabelsOnAxis() const { return -6 < mapping_.origin_y && mapping_.origin_y + 6 < h_; }
  bool YLabelsOnAxis() const { return 16 < mapping_.origin_x && mapping_.origin_x - 16 < w_; }
  bool XLabelsAtEdge() const { return c_.axes && !c_.frame && !XLabelsOnAxis(); }
  bool YLabelsAtEdge() const { return c_.axes && !c_.frame && !YLabelsOnAxis(); }
  bool XAxisInView() const { return !(view_.y_min * view_.y_max > 0); }

  void FineGrid() {
    canvas_.SetPenColor(kFineGridGrey);
    const double sy = YStep();
    auto horizontal = [&](double, double r) { Line(canvas_, 0, ToPixel(r), w_, ToPixel(r)); };
    TickPass(py_, sy, -sy, [&](double r) { return r > h_; }, -sy / kFineIntervals,
             [&](double r) { return r > 0; }, horizontal);
    TickPass(py_, sy, sy, [&](double r) { return r < 0; }, sy / kFineIntervals,
             [&](double r) { return r < h_; }, horizontal);

    const double sx = typed_x_ > 0 ? typed_x_ : StepRule(mapping_.x_span, px_, kMaxTickPixelsX).Step();
    const double fine = sx / kFineIntervals;
    auto vertical = [&](double, double col) { Line(canvas_, ToPixel(col), 0, ToPixel(col), h_); };
    TickPass(pxm_, sx, -fine, [&](double col) { return col > w_; }, -fine,
             [&](double col) { return col > 0; }, vertical);
    TickPass(pxm_, sx, fine, [&](double col) { return col < 0; }, fine,
             [&](double col) { return col < w_; }, vertical);
    canvas_.SetPenColor(kBlack);
  }

  void Axes() {
    const int axis_width = c_.bold_axes ? 2 : 1;
    canvas_.SetPenWidth(axis_width);
    canvas_.SetPenColor(kBlack);
    const std::int32_t ox = mapping_.origin_x;
    const std::int32_t oy = mapping_.origin_y;
    if (YAxisInView()) {
      DrawArrow(canvas_, ox, h_ - 10, ox, 10);
      canvas_.SetPenWidth(1);
      canvas_.SetBrushStyle(BrushStyle::Clear);
      canvas_.TextOut(ox - 10 - canvas_.TextWidth("y"), 10, "y");
    }
    if (XAxisInView()) {
      canvas_.SetPenWidth(axis_width);
      DrawArrow(canvas_, 10, oy, w_ - 10, oy);
      canvas_.SetPenWidth(1);
      canvas_.SetBrushStyle(BrushStyle::Clear);
      canvas_.TextOut(w_ - 10 - canvas_.TextWidth("x"), oy - 25, "x");
    }
    canvas_.SetPenWidth(1);
  }

  void SubstituteAxes() {
    canvas_.SetPenWidth(1);
    canvas_.SetPenColor(kGridGrey);
    canvas_.SetPenStyle(PenStyle::Dot);
    if (YAxisInView()) Line(canvas_, mapping_.origin_x, h_ - 10, mapping_.origin_x, 10);
    if (XAxisInView()) Line(canvas_, 10, mapping_.origin_y, w_ - 10, mapping_.origin_y);
    canvas_.SetPenStyle(PenStyle::Solid);
  }

  std::string XLabel(double t) const {
    if (c_.radians) return fktint::FormatNumber(4, 2, t / 4);
    if (c_.degrees) return fktint::FormatNumber(4, 2, 45 * t) + "\xB0";
    return fktint::FormatNumber(4, 3, t);
  }

  void XTicks() {
    TickStep step = StepRule(mapping_.x_span, px_, kMaxTickPixelsX);
    const std::int32_t oy = mapping_.origin_y;
    const double p0 = px_(0);
    zero_label_ = {};
    if (c_.axes && -6 < oy && oy + 6 < h_ && 10 < p0 && p0 - 10 < w_) {
      canvas_.TextOut(ToPixel(p0) - 10, oy + 6, "0");
      zero_label_ = {true, ToPixel(p0) - 10, std::int64_t{ToPixel(p0)} - 10 + canvas_.TextWidth("0")};
    }
    if (c_.degrees || c_.radians) {
      step.d -= 1;
      if (step.d == 0) step.d = 1;
    }
    // A typed spacing is in units of x; the ticks of the angle scales count in units of pi/4.
    const double s = typed_x_ > 0 ? typed_x_ / m_ : step.Step();
    ChooseXLabelStride(s);
    auto tick = [&](double t, double col) { XTick(t, ToPixel(col)); };
    last_label_ = {};
    TickPass(pxm_, -s, -s, [&](double col) { return col > w_; }, -s, [&](double col) { return col > 0; },
             tick);
    last_label_ = {};
    TickPass(pxm_, s, s, [&](double col) { return col < 0; }, s, [&](double col) { return col < w_; },
             tick);
  }

  // Far from the origin the labels grow wider than the tick spacing: then only every n-th tick
  // is labelled (n from 1, 2, 4, 10, 20, 40, ...), n chosen from the wider of the labels at the
  // two ends of the view.
  void ChooseXLabelStride(double s) {
    label_stride_ = 1;
    label_step_ = s;
    const double spacing = std::fabs(s * pxm_.slope);
    if (!(spacing > 0) || !std::isfinite(spacing)) return;
    int widest = 0;
    for (double col : {0.0, static_cast<double>(w_)}) {
      const double t = std::round((col - pxm_.offset) / pxm_.slope / s) * s;
      int width = canvas_.TextWidth(XLabel(t));
      if (c_.radians) width += canvas_.TextWidth("p");
      widest = std::max(widest, width);
    }
    const double needed = (widest + kLabelGap) / spacing;
    constexpr double kStrides[] = {1, 2, 4};
    for (double decade = 1; decade < kMaxLabelStride; decade *= 10) {
      for (double stride : kStrides) {
        if (stride * decade >= needed) {
          label_stride_ = stride * decade;
          return;
        }
      }
    }
    label_stride_ = kMaxLabelStride;
  }

  // Whether the tick at t, whose label covers [lo, hi] along its axis, gets its label: every
  // stride-th tick, and only when the label keeps clear of the last one of the pass and of the
  // origin's "0" (far from the origin, rounding may put ticks on nearly the same pixel).
  bool LabelDue(double t, std::int64_t lo, std::int64_t hi) {
    if (label_stride_ > 1 && std::fmod(std::round(t / label_step_), label_stride_) != 0) return false;
    auto clear_of = [&](const LabelExtent& e) {
      return !e.used || hi + kLabelGap <= e.lo || e.hi + kLabelGap <= lo;
    };
    if (!clear_of(last_label_) || !clear_of(zero_label_)) return false;
    last_label_ = {true, lo, hi};
    return true;
  }

  void XTick(double t, std::int32_t col) {
    const std::string label = XLabel(t);
    const bool labelled = LabelDue(t, std::int64_t{col} - 10, std::int64_t{col} - 10 + canvas_.TextWidth(label));
    if (c_.grid) {
      canvas_.SetPenColor(kGridGrey);
      canvas_.SetPenStyle(PenStyle::Dot);
      Line(canvas_, col, 0, col, h_);
      canvas_.SetPenColor(kBlack);
      canvas_.SetPenStyle(PenStyle::Solid);
    }
    if (c_.frame) {
      Line(canvas_, col, 0, col, 5);
      Line(canvas_, col, h_, col, h_ - 6);
      if (labelled) canvas_.TextOut(col, 6, label);
    }
    if (XLabelsAtEdge()) {
      XEdgeTick(label, labelled, col);
      return;
    }
    const std::int32_t oy = mapping_.origin_y;
    if (c_.axes && -6 < oy && oy + 6 < h_ && col < w_ - 26) {
      Line(canvas_, col, oy + 6, col, oy - 6);
      if (!labelled) return;
      canvas_.TextOut(col - 10, oy + 6, label);
      if (c_.radians) {
        const int label_width = canvas_.TextWidth(label);
        canvas_.SetFontName("Symbol");
        canvas_.TextOut(col - 8 + label_width, oy + 6, "p");
        canvas_.SetFontName("Verdana");
      }
    }
  }

  // The x axis lies above or below the area, or too close to its lower edge for numbers
  // under it: a short tick and the number inside the area, at the edge or just above the axis.
  void XEdgeTick(const std::string& label, bool labelled, std::int32_t col) {
    const bool top = mapping_.origin_y <= -6;
    const int height = canvas_.TextExtent(label).height;
    const std::int32_t base = top ? 0 : std::min(mapping_.origin_y, h_);
    const std::int32_t row = top ? kEdgeTick + kEdgeGap : base - kEdgeTick - kEdgeGap - height;
    x_edge_band_ = {true, row, std::int64_t{row} + height};
    if (top) {
      Line(canvas_, col, 0, col, kEdgeTick);
    } else {
      Line(canvas_, col, base, col, base - kEdgeTick - 1);
    }
    const std::int64_t left = std::int64_t{col} - 10;
    if (!labelled || left < 0 || left + canvas_.TextWidth(label) > w_) return;
    canvas_.TextOut(col - 10, row, label);
  }

  void YTicks() {
    const double s = YStep();
    label_stride_ = 1;
    zero_label_ = {};
    auto tick = [&](double t, double row) { YTick(t, ToPixel(row)); };
    last_label_ = {};
    TickPass(py_, -s, -s, [&](double r) { return r > h_; }, -s, [&](double r) { return r > 0; }, tick);
    last_label_ = {};
    TickPass(py_, s, s, [&](double r) { return r < 0; }, s, [&](double r) { return r < h_; }, tick);
  }

  void YTick(double t, std::int32_t row) {
    const std::string label = fktint::FormatNumber(4, 3, -t);
    // A label stands below its tick's row; near the lower edge it moves up just enough to be
    // read whole instead of being cut by the edge.
    const std::int32_t height = canvas_.TextExtent(label).height;
    const auto top = static_cast<std::int32_t>(std::min<std::int64_t>(row, std::int64_t{h_} - height));
    const bool labelled = LabelDue(t, top, std::int64_t{top} + height);
    if (c_.grid) {
      canvas_.SetPenColor(kGridGrey);
      canvas_.SetPenStyle(PenStyle::Dot);
      Line(canvas_, 0, row, w_, row);
      canvas_.SetPenColor(kBlack);
      canvas_.SetPenStyle(PenStyle::Solid);
    }
    if (c_.frame) {
      if (labelled) canvas_.TextOut(2, top, label);
      Line(canvas_, 0, row, 5, row);
      Line(canvas_, w_ - 6, row, w_, row);
    }
    if (YLabelsAtEdge()) {
      YEdgeTick(label, labelled, row);
      return;
    }
    const std::int32_t ox = mapping_.origin_x;
    if (c_.axes && 16 < ox && ox - 16 < w_ && row > 26) {
      Line(canvas_, ox - 6, row, ox + 6, row);
      if (!labelled) return;
      const int extent = canvas_.TextExtent(label).width;
      canvas_.TextOut(ox - 6 - extent, top, label);
    }
  }

  // The y axis lies left or right of the area, or too close to its left edge for numbers
  // beside it: a short tick and the number inside the area, at the edge or just right of the
  // axis, clear of the x numbers when those stand at an edge too.
  void YEdgeTick(const std::string& label, bool labelled, std::int32_t row) {
    const bool left = mapping_.origin_x <= 16;
    const std::int32_t base = left ? std::max(mapping_.origin_x, 0) : w_;
    if (left) {
      Line(canvas_, base, row, base + kEdgeTick, row);
    } else {
      Line(canvas_, w_, row, w_ - kEdgeTick - 1, row);
    }
    const TextSize extent = canvas_.TextExtent(label);
    const std::int64_t top = std::int64_t{row} - extent.height / 2;
    const std::int64_t bottom = top + extent.height;
    if (!labelled || top < 0 || bottom > h_) return;
    if (x_edge_band_.used && bottom + kLabelGap > x_edge_band_.lo && top < x_edge_band_.hi + kLabelGap) return;
    const std::int32_t col = left ? base + kEdgeTick + kEdgeGap : w_ - kEdgeTick - kEdgeGap - extent.width;
    canvas_.TextOut(col, static_cast<std::int32_t>(top), label);
  }

  Canvas& canvas_;
  const ScreenMapping& mapping_;
  const PlotView& view_;
  const Controls& c_;
  std::int32_t w_;
  std::int32_t h_;
  double m_;
  AxisPixels px_;
  AxisPixels py_;
  AxisPixels pxm_;
  double typed_x_;
  double typed_y_;
  struct LabelExtent {
    bool used = false;
    std::int64_t lo = 0;
    std::int64_t hi = 0;
  };
  // The rows of the x numbers when they stand at the top or bottom edge.
  LabelExtent x_edge_band_;
  double label_stride_ = 1;
  double label_step_ = 1;
  LabelExtent last_label_;
  LabelExtent zero_label_;
};

}  // namespace

TickStep XTickStep(const ScreenMapping& mapping) {
  return StepRule(mapping.x_span, AxisPixels{mapping.x_scale, mapping.origin_x_real}, kMaxTickPixelsX);
}

TickStep YTickStep(const ScreenMapping& mapping) {
  return StepRule(mapping.y_span, AxisPixels{mapping.y_scale, mapping.origin_y_real}, kMaxTickPixelsY);
}

void DrawArrow(Canvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
  if (x1 == x2 && y1 == y2) return;
  double alpha;
  if (x2 == x1) {
    alpha = y2 < y1 ? -kPi / 2 : kPi / 2;
  } else {
    alpha = kPi - std::atan((static_cast<double>(y2) - y1) / (static_cast<double>(x2) - x1));
  }
  Point head[3];
  head[1] = {x2, y2};
  int slot = 0;
  for (double delta : {-kArrowHalfAngle, kArrowHalfAngle}) {
    std::int32_t dx = RoundHalfEven(kArrowSide * std::cos(alpha + delta));
    std::int32_t dy = RoundHalfEven(kArrowSide * std::sin(alpha + delta));
    if (x2 < x1) {
      dx = -dx;
      dy = -dy;
    }
    head[slot] = {x2 + dx, y2 - dy};
    slot = 2;
  }
  canvas.SetBrushStyle(BrushStyle::Solid);
  canvas.SetBrushColor(canvas.PenColor());
  canvas.Polygon(head);
  canvas.SetBrushStyle(BrushStyle::Clear);
}

void Koordinatensystem(Canvas& canvas, const ScreenMapping& mapping, const PlotView& view,
                       const Controls& controls, const Parameters& parameters) {
  CoordinateSystem(canvas, mapping, view, controls, parameters).Draw();
}

}  // namespace plotwerk::plot
