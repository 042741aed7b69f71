// Speed of one redraw: the default window and an adversarial scene, each onto QtCanvas over
// the screen bitmap and onto a canvas that draws nothing (the evaluation share).
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/screen.h"
#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/null_canvas.h"
#include "plot/plotter.h"

namespace {

using namespace plotwerk;

struct Scene {
  plot::Controls controls;
  plot::PlotView view;
  bool basic = true;
};

Scene DefaultScene() { return {}; }

// Four terms, all ten derived kinds, family, inverse, every grid option, a view at x = 10^6
// that is 10^-3 wide, and a domain starting at -10^12.
Scene AdversarialScene() {
  Scene s;
  plot::Controls& c = s.controls;
  c.f2_plotted = true;
  c.f3_term = "1/X";
  c.f4_term = "TAN(X)*SQRT(X)";
  c.domain_from = "-1000000000000";
  c.first_derivative = c.second_derivative = c.family = true;
  c.mirror_in_x_axis = c.mirror_in_y_axis = c.mirror_in_origin = true;
  c.composition = c.shift_along_x = c.stretch_along_x = true;
  c.shift_along_y = c.stretch_along_y = c.inverse_of_f1 = true;
  c.fine_grid = c.frame = c.bold_axes = c.radians = c.degrees = true;
  s.view = {1e6, 1e6 + 1e-3, -1, 1};
  s.basic = false;
  return s;
}

// The same options on the default view, where every curve is visible and evaluated in full.
Scene AllOptionsScene() {
  Scene s = AdversarialScene();
  s.basic = true;
  s.controls.radians = s.controls.degrees = false;
  return s;
}

// The default terms with every search and its marks, without and with point labels.
Scene AnalysisScene(bool labels) {
  Scene s;
  plot::Controls& c = s.controls;
  c.f2_plotted = true;
  c.zeros = c.extrema = c.inflections = c.intersections = true;
  c.point_labels = labels;
  return s;
}

void Prepare(plot::Plotter& plotter, Scene& scene) {
  if (scene.basic) {
    bench::PrepareBasicSetting(plotter, scene.controls);
    return;
  }
  plotter.SetView(scene.view);
  plotter.DrawCommand(scene.controls);
}

void RunOnQtCanvas(benchmark::State& state, Scene scene) {
  plot::Plotter plotter;
  Prepare(plotter, scene);
  QImage image = bench::ScreenImage();
  for (auto _ : state) {
    bench::PaintScreen(plotter, scene.controls, image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void RunOnNullCanvas(benchmark::State& state, Scene scene) {
  plot::Plotter plotter;
  Prepare(plotter, scene);
  for (auto _ : state) {
    plot::NullCanvas canvas;
    plotter.Redraw(canvas, bench::kScreenWidth, bench::kScreenHeight, scene.controls);
    benchmark::ClobberMemory();
  }
}

void BM_Redraw_Default(benchmark::State& state) { RunOnQtCanvas(state, DefaultScene()); }
void BM_Redraw_DefaultEvaluationOnly(benchmark::State& state) { RunOnNullCanvas(state, DefaultScene()); }
void BM_Redraw_Adversarial(benchmark::State& state) { RunOnQtCanvas(state, AdversarialScene()); }
void BM_Redraw_AdversarialEvaluationOnly(benchmark::State& state) { RunOnNullCanvas(state, AdversarialScene()); }

void BM_Redraw_AllOptions(benchmark::State& state) { RunOnQtCanvas(state, AllOptionsScene()); }
void BM_Redraw_AllOptionsEvaluationOnly(benchmark::State& state) { RunOnNullCanvas(state, AllOptionsScene()); }

void BM_Redraw_Analysis(benchmark::State& state) { RunOnQtCanvas(state, AnalysisScene(false)); }
void BM_Redraw_AnalysisLabelled(benchmark::State& state) { RunOnQtCanvas(state, AnalysisScene(true)); }

BENCHMARK(BM_Redraw_Default)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_Analysis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_AnalysisLabelled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_DefaultEvaluationOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_Adversarial)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_AdversarialEvaluationOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_AllOptions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Redraw_AllOptionsEvaluationOnly)->Unit(benchmark::kMillisecond);

}  // namespace
