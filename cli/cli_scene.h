// The options the drawing commands (render, analyse) share: the drawing area, the control
// settings and the view; the plotter prepared from them; the result list printed as UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/controls.h"
#include "plot/plotter.h"
#include "plot/view.h"

namespace plotwerk::cli {

inline constexpr int kMaxAreaSide = 20000;

struct SceneOptions {
  int width = plot::kDefaultAreaWidth;
  int height = plot::kDefaultAreaHeight;
  plot::Controls controls;
  std::optional<plot::PlotView> view;  // the basic setting when empty
  // --worksheet FILE: read by ApplySceneWorksheet under the --set pairs (kept in `sets`) and
  // the --view, which go on top of it.
  std::string worksheet;
  std::vector<std::pair<std::string, std::string>> sets;
  // P and Q from the worksheet; the plotter's start values without one.
  std::optional<double> param_p;
  std::optional<double> param_q;
  bool memo_visibility_set = false;     // Mergebnis_visible was given with --set
};

enum class SceneOption { Taken, NotMine, Invalid };

// Reads args[i] when it is --width, --height, --set, --view or --worksheet, together with its
// value (advancing i past it). Invalid comes with the reason in `error`.
SceneOption TakeSceneOption(const std::vector<std::string>& args, std::size_t& i, SceneOptions& scene,
                            std::string& error);

// Reads the --worksheet file, when one was given, and puts the --set pairs and the --view on
// top of it. Prints the reader's warnings to stderr; false, with the reason printed, when the
// file cannot be read (the command then exits with 1). Then a c_ergebnisliste given with --set
// shows or hides the memo, as the window's check box does, unless Mergebnis_visible is set too.
bool ApplySceneWorksheet(SceneOptions& scene, const char* command);

// Prints "plotwerk-cli COMMAND: MESSAGE" to stderr and returns exit code 2.
int FailCommand(const char* command, const std::string& message);

// Reads one option of a single command in the way of TakeSceneOption.
using OwnOption = std::function<SceneOption(const std::vector<std::string>& args, std::size_t& i,
                                            std::string& error)>;

// The option loop of the drawing commands: --help prints `help`, the shared options go to
// TakeSceneOption and any other to `own`. Returns the exit code when the command ends here (0
// after --help, 2 after an invalid or unknown option), nothing when every option was read.
std::optional<int> ReadDrawingOptions(const char* command, const char* help,
                                      const std::vector<std::string>& args, SceneOptions& scene,
                                      const OwnOption& own = nullptr);

// Sets the plotter's view (the given one or the basic setting) and runs the Draw command.
void PrepareScene(plot::Plotter& plotter, SceneOptions& scene);

// Prints every line of the result list to stdout, code page 1252 converted to UTF-8.
void PrintResultList(const plot::Plotter& plotter);

}  // namespace plotwerk::cli
