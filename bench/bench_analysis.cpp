// Speed of the first-term analyses: a full redraw with every search and construction switched
// on, on the window-sized screen image, and the searches on their own.
#include <benchmark/benchmark.h>

#include <QImage>
#include <string>

#include "fktint/fktint.h"
#include "platform/qt_canvas.h"
#include "plot/analysis.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using plotwerk::plot::Controls;

constexpr int kPaintWidth = plotwerk::plot::kDefaultAreaWidth;
constexpr int kPaintHeight = plotwerk::plot::kDefaultAreaHeight;

// Every analysis and construction of the first term; f2 checked for the intersections and the
// area between the curves.
Controls EverythingOn(const std::string& f1) {
  Controls c;
  c.f1_term = f1;
  c.f2_plotted = true;
  for (bool* box : {&c.zeros, &c.extrema, &c.inflections, &c.inflection_tangents,
                    &c.intersections, &c.show_points, &c.integral, &c.antiderivative,
                    &c.point_a, &c.point_b, &c.tangent, &c.normal, &c.secant}) {
    *box = true;
  }
  return c;
}

void RunRedraw(benchmark::State& state, Controls controls) {
  plotwerk::plot::Plotter plotter;
  plotter.ApplyBasicSetting(kPaintWidth, kPaintHeight);
  plotter.DrawCommand(controls);
  QImage picture(kPaintWidth, kPaintHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    picture.fill(Qt::white);
    {
      plotwerk::platform::QtCanvas canvas(picture);
      plotter.Redraw(canvas, kPaintWidth, kPaintHeight, controls);
    }
    benchmark::DoNotOptimize(picture.constBits());
  }
}

void BM_Analysis_RedrawDefaultEverythingOn(benchmark::State& state) {
  RunRedraw(state, EverythingOn("X*SIN(X+P)"));
}
BENCHMARK(BM_Analysis_RedrawDefaultEverythingOn)->Unit(benchmark::kMillisecond);

void BM_Analysis_RedrawSinOneOverXEverythingOn(benchmark::State& state) {
  RunRedraw(state, EverythingOn("SIN(1/X)"));
}
BENCHMARK(BM_Analysis_RedrawSinOneOverXEverythingOn)->Unit(benchmark::kMillisecond);

void BM_Analysis_RedrawSin1000XEverythingOn(benchmark::State& state) {
  RunRedraw(state, EverythingOn("SIN(1000*X)"));
}
BENCHMARK(BM_Analysis_RedrawSin1000XEverythingOn)->Unit(benchmark::kMillisecond);

void BM_Analysis_RedrawUndefinedEverythingOn(benchmark::State& state) {
  RunRedraw(state, EverythingOn("LN(-1-X^2)"));
}
BENCHMARK(BM_Analysis_RedrawUndefinedEverythingOn)->Unit(benchmark::kMillisecond);

// One search on its own, per kind, for the default first term.
void BM_Analysis_Search(benchmark::State& state) {
  const auto kind = static_cast<plotwerk::plot::SearchKind>(state.range(0));
  plotwerk::fktint::ParamP = 1;
  const std::string term = kind == plotwerk::plot::SearchKind::Inflections ? "2*COS(X+P)-X*SIN(X+P)"
                           : kind == plotwerk::plot::SearchKind::Intersections
                               ? "X*SIN(X+P)-(X^2/4-2)"
                               : "X*SIN(X+P)";
  const auto g = plotwerk::plot::TermFunction(term);
  for (auto _ : state) benchmark::DoNotOptimize(plotwerk::plot::ScanForPoints(kind, g, -6, 6));
}
BENCHMARK(BM_Analysis_Search)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
