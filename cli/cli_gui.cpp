// EnsureGuiApplication: one QGuiApplication for the process, made on demand.
#include "cli/cli_gui.h"

#include <QGuiApplication>
#include <cstdlib>

#include "platform/vector_state.h"

namespace plotwerk::cli {

void EnsureGuiApplication() {
  if (QGuiApplication::instance() != nullptr) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "plotwerk-cli";
  static char* argv[] = {name, nullptr};
  // Deliberately never destroyed: it must outlive every static that holds fonts or images.
  new QGuiApplication(argc, argv);
  // Starting the application leaves the vector registers' upper halves in use, which slows
  // every later SSE instruction of the process.
  platform::ClearUpperVectorState();
}

}  // namespace plotwerk::cli
