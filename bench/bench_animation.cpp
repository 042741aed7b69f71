// Speed of one animation tick: the step of the animated field and the full repaint of the
// default picture, the way the window's tick does it (controls snapshot → Plotter on a
// QtCanvas over a fresh screen-sized image). The window itself needs QApplication, which
// this binary does not create, so the tick is measured on the Plotter the window drives.
#include <benchmark/benchmark.h>

#include <QImage>

#include "platform/qt_canvas.h"
#include "plot/animation.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using plotwerk::plot::Controls;

// The drawing area of the window at its design size, result list hidden.
constexpr int kPaintWidth = plotwerk::plot::kDefaultAreaWidth;
constexpr int kPaintHeight = plotwerk::plot::kDefaultAreaHeight;

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
  plotter.ApplyBasicSetting(kPaintWidth, kPaintHeight);
  plotter.DrawCommand(controls);
  plotwerk::plot::anim_upward = true;
  for (auto _ : state) {
    plotwerk::plot::AnimationTick(controls);
    QImage picture(kPaintWidth, kPaintHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
      plotwerk::platform::QtCanvas canvas(picture);
      plotter.Redraw(canvas, kPaintWidth, kPaintHeight, controls);
    }
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
