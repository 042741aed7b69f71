// Speed of the first-term analyses: a full redraw with every search and construction switched
// on, on the window-sized screen image, and the searches on their own.
#include <benchmark/benchmark.h>

#include <QImage>
#include <string>

#include "bench/screen.h"
#include "plot/analysis.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using plotwerk::plot::Controls;

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
  plotwerk::bench::PrepareBasicSetting(plotter, controls);
  QImage picture = plotwerk::bench::ScreenImage();
  for (auto _ : state) {
    plotwerk::bench::PaintScreen(plotter, controls, picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

// The full redraw with everything on for one first term, as BM_Analysis_Redraw<name>EverythingOn.
void RegisterRedraw(const std::string& name, const std::string& f1) {
  benchmark::RegisterBenchmark(("BM_Analysis_Redraw" + name + "EverythingOn").c_str(),
                               [f1](benchmark::State& state) { RunRedraw(state, EverythingOn(f1)); })
      ->Unit(benchmark::kMillisecond);
}

// First terms that are easy, oscillate without end, oscillate fast and are nowhere defined.
[[maybe_unused]] const bool kRedrawsRegistered =
    (RegisterRedraw("Default", "X*SIN(X+P)"), RegisterRedraw("SinOneOverX", "SIN(1/X)"),
     RegisterRedraw("Sin1000X", "SIN(1000*X)"), RegisterRedraw("Undefined", "LN(-1-X^2)"), true);

// One search on its own, per kind, for the default first term.
void BM_Analysis_Search(benchmark::State& state) {
  const auto kind = static_cast<plotwerk::plot::SearchKind>(state.range(0));
  const std::string term = kind == plotwerk::plot::SearchKind::Inflections ? "2*COS(X+P)-X*SIN(X+P)"
                           : kind == plotwerk::plot::SearchKind::Intersections
                               ? "X*SIN(X+P)-(X^2/4-2)"
                               : "X*SIN(X+P)";
  const auto g = plotwerk::plot::TermFunction(term, {.p = 1, .q = 0});
  for (auto _ : state) benchmark::DoNotOptimize(plotwerk::plot::ScanForPoints(kind, g, -6, 6));
}
BENCHMARK(BM_Analysis_Search)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
