// Entry of plotwerk-bench: a GUI application object (offscreen unless told otherwise) for the
// benchmarks that draw on QImage, then Google Benchmark's usual command line.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdlib>

#include "platform/vector_state.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  // As the window and plotwerk-cli do: the application start leaves the vector registers'
  // upper halves in use, which would slow every benchmark that follows.
  plotwerk::platform::ClearUpperVectorState();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
