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
  c.f1_term = term;
  c.f2_plotted = true;
  c.first_derivative = c.second_derivative = c.zeros = c.extrema = c.inflections = true;
  c.inflection_tangents = c.antiderivative = c.intersections = c.show_points = true;
  c.family = c.point_a = c.point_b = c.tangent = c.normal = c.secant = c.integral = true;
  c.value_table = c.result_list = c.result_memo_visible = true;
  c.mirror_in_x_axis = c.mirror_in_origin = c.mirror_in_y_axis = true;
  c.shift_along_x = c.stretch_along_x = c.shift_along_y = c.stretch_along_y = true;
  c.composition = c.sum_f1_f2 = c.inverse_of_f1 = true;
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
  state.counters["chars"] = static_cast<double>(controls.f1_term.size());
}

void BM_Redraw_EverythingOnByTermLength(benchmark::State& state) {
  Run(state, EverythingOn(FourierSum(static_cast<std::size_t>(state.range(0)))));
}

// The worst case the limit allows: all four fields that long.
void BM_Redraw_EverythingOnFourFieldsByTermLength(benchmark::State& state) {
  plot::Controls controls = EverythingOn(FourierSum(static_cast<std::size_t>(state.range(0))));
  controls.f2_term = controls.f3_term = controls.f4_term = controls.f1_term;
  Run(state, controls);
}

BENCHMARK(BM_Redraw_EverythingOnByTermLength)
    ->Arg(16)->Arg(250)->Arg(1000)->Arg(2000)->Arg(4000)->Arg(8000)->Arg(16000)->Arg(32767)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Redraw_EverythingOnFourFieldsByTermLength)
    ->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
