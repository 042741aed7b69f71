// Speed of the picture files of the default window: each encoder on the screen bitmap, and
// the vector formats including their drawing.
#include <benchmark/benchmark.h>

#include <QImage>

#include "bench/screen.h"
#include "platform/picture_export.h"
#include "plot/controls.h"
#include "plot/plotter.h"

namespace {

using namespace plotwerk;

struct Window {
  plot::Plotter plotter;
  plot::Controls controls;
  platform::PictureSource source;

  Window() {
    bench::PrepareBasicSetting(plotter, controls);
    QImage screen = bench::ScreenImage();
    bench::PaintScreen(plotter, controls, screen);
    source = {screen, bench::kScreenWidth, bench::kScreenHeight,
              [this](plot::Canvas& c) { plotter.DrawPicture(c, controls); }};
  }
};

void Encode(benchmark::State& state, platform::PictureFormat format) {
  Window window;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const QByteArray file = platform::EncodePicture(format, window.source);
    bytes = static_cast<std::size_t>(file.size());
    benchmark::DoNotOptimize(file.constData());
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_Export_Bmp(benchmark::State& s) { Encode(s, platform::PictureFormat::Bmp); }
void BM_Export_Bmp16(benchmark::State& s) { Encode(s, platform::PictureFormat::Bmp16); }
void BM_Export_Gif(benchmark::State& s) { Encode(s, platform::PictureFormat::Gif); }
void BM_Export_Png(benchmark::State& s) { Encode(s, platform::PictureFormat::Png); }
void BM_Export_Emf(benchmark::State& s) { Encode(s, platform::PictureFormat::Emf); }
void BM_Export_Svg(benchmark::State& s) { Encode(s, platform::PictureFormat::Svg); }
void BM_Export_Pdf(benchmark::State& s) { Encode(s, platform::PictureFormat::Pdf); }

BENCHMARK(BM_Export_Bmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Bmp16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Gif)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Png)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Emf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Svg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Export_Pdf)->Unit(benchmark::kMillisecond);

}  // namespace
