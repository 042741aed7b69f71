// Speed of one animation tick: the step of the animated field and the full repaint of the
// default picture, the way the window's tick does it (controls snapshot → Plotter on a
// QtCanvas over a fresh screen-sized image). The window itself needs QApplication, which
// this binary does not create, so the tick is measured on the Plotter the window drives.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/screen.h"
#include "plot/animation.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using plotwerk::plot::Controls;

Controls WithAllAnalyses() {
  Controls c;
  c.f2_plotted = true;  // the intersections need a second term
  for (bool* box : {&c.first_derivative, &c.second_derivative, &c.zeros, &c.extrema,
                    &c.inflections, &c.inflection_tangents, &c.antiderivative,
                    &c.intersections, &c.show_points, &c.point_a, &c.point_b,
                    &c.tangent, &c.normal, &c.secant, &c.integral}) {
    *box = true;
  }
  return c;
}

void RunTicks(benchmark::State& state, Controls controls) {
  plotwerk::plot::Plotter plotter;
  plotwerk::bench::PrepareBasicSetting(plotter, controls);
  plotwerk::plot::Animation animation;
  for (auto _ : state) {
    plotwerk::plot::Parameters parameters = plotter.Params();
    plotwerk::plot::AnimationTick(controls, parameters, animation);
    plotter.SetParameters(parameters);
    // The drawing area at its design size, result list hidden, as a fresh image each tick.
    QImage picture = plotwerk::bench::ScreenImage();
    plotwerk::bench::PaintScreen(plotter, controls, picture);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

void BM_Animation_TickDefaultWindow(benchmark::State& state) { RunTicks(state, Controls{}); }
BENCHMARK(BM_Animation_TickDefaultWindow)->Unit(benchmark::kMillisecond);

void BM_Animation_TickAllAnalyses(benchmark::State& state) {
  RunTicks(state, WithAllAnalyses());
}
BENCHMARK(BM_Animation_TickAllAnalyses)->Unit(benchmark::kMillisecond);

void BM_Animation_TickPointAAllAnalyses(benchmark::State& state) {
  Controls c = WithAllAnalyses();
  c.animate_parameter = false;
  c.animate_point_a = true;
  RunTicks(state, c);
}
BENCHMARK(BM_Animation_TickPointAAllAnalyses)->Unit(benchmark::kMillisecond);

}  // namespace
