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
  c.c_f2 = true;
  c.ed_f3 = "1/X";
  c.ed_f4 = "TAN(X)*SQRT(X)";
  c.ed_xvon = "-1000000000000";
  c.c_1ableitung = c.c_2ableitung = c.c_schar = true;
  c.spiegelungxachse = c.spiegelungyachse = c.spiegelungursprung = true;
  c.nacheinanderausfuehrung = c.verschiebungxachse = c.streckungxachse = true;
  c.verschiebungyachse = c.streckungyachse = c.Umkehrkurvezuf1x1 = true;
  c.m_mmraster = c.M_rahmen = c.MAchsen21 = c.M_bogen = c.M_winkel = true;
  s.view = {1e6, 1e6 + 1e-3, -1, 1};
  s.basic = false;
  return s;
}

// The same options on the default view, where every curve is visible and evaluated in full.
Scene AllOptionsScene() {
  Scene s = AdversarialScene();
  s.basic = true;
  s.controls.M_bogen = s.controls.M_winkel = false;
  return s;
}

// The default terms with every search and its marks, without and with point labels.
Scene AnalysisScene(bool labels) {
  Scene s;
  plot::Controls& c = s.controls;
  c.c_f2 = true;
  c.c_nullstellen = c.c_extrema = c.c_wendepunkte = c.c_schnittpunkte = true;
  c.m_punktnamen = labels;
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
