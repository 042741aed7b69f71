// Redraw time against the length of the first term, with every analysis, derived curve and
// construction on: the figures the length limit of the term fields is chosen from.
#include <benchmark/benchmark.h>

#include <QImage>
#include <string>

#include "bench/screen.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using namespace plotwerk;

// A Fourier sum of a square wave, SIN(X)+SIN(3*X)/3+..., cut after the last whole summand that
// fits into `length` characters: the kind of long term a teacher pastes.
std::string FourierSum(std::size_t length) {
  std::string term = "SIN(X)";
  for (int k = 3;; k += 2) {
    const std::string summand = "+SIN(" + std::to_string(k) + "*X)/" + std::to_string(k);
    if (term.size() + summand.size() > length) return term;
    term += summand;
  }
}

plot::Controls EverythingOn(const std::string& term) {
  plot::Controls c;
  c.ed_f1 = term;
  c.c_f2 = true;
  c.c_1ableitung = c.c_2ableitung = c.c_nullstellen = c.c_extrema = c.c_wendepunkte = true;
  c.c_wendetangente = c.c_stammfunktion = c.c_schnittpunkte = c.c_pktanzeige = true;
  c.c_schar = c.c_punktA = c.c_punktB = c.c_tangente = c.c_normale = c.c_sekante = c.c_integral = true;
  c.c_wertetabelle = c.c_ergebnisliste = c.Mergebnis_visible = true;
  c.spiegelungxachse = c.spiegelungursprung = c.spiegelungyachse = true;
  c.verschiebungxachse = c.streckungxachse = c.verschiebungyachse = c.streckungyachse = true;
  c.nacheinanderausfuehrung = c.funktionsaddition = c.Umkehrkurvezuf1x1 = true;
  return c;
}

void Run(benchmark::State& state, plot::Controls controls) {
  plot::Plotter plotter;
  bench::PrepareBasicSetting(plotter, controls);
  QImage image = bench::ScreenImage();
  for (auto _ : state) {
    bench::PaintScreen(plotter, controls, image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["chars"] = static_cast<double>(controls.ed_f1.size());
}

void BM_Redraw_EverythingOnByTermLength(benchmark::State& state) {
  Run(state, EverythingOn(FourierSum(static_cast<std::size_t>(state.range(0)))));
}

// The worst case the limit allows: all four fields that long.
void BM_Redraw_EverythingOnFourFieldsByTermLength(benchmark::State& state) {
  plot::Controls controls = EverythingOn(FourierSum(static_cast<std::size_t>(state.range(0))));
  controls.ed_f2 = controls.ed_f3 = controls.ed_f4 = controls.ed_f1;
  Run(state, controls);
}

BENCHMARK(BM_Redraw_EverythingOnByTermLength)
    ->Arg(16)->Arg(250)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32767)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Redraw_EverythingOnFourFieldsByTermLength)
    ->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
