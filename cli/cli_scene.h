// The options the drawing commands (render, analyse) share: the drawing area, the control
// settings and the view; the plotter prepared from them; the result list printed as UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "plot/controls.h"
#include "plot/plotter.h"
#include "plot/view.h"

namespace plotwerk::cli {

// The drawing area when the window opens with the memo hidden.
inline constexpr int kDefaultAreaWidth = 846;
inline constexpr int kDefaultAreaHeight = 597;
inline constexpr int kMaxAreaSide = 20000;

struct SceneOptions {
  int width = kDefaultAreaWidth;
  int height = kDefaultAreaHeight;
  plot::Controls controls;
  std::optional<plot::PlotView> view;  // the basic setting when empty
  bool memo_visibility_set = false;     // Mergebnis_visible was given with --set
};

enum class SceneOption { Taken, NotMine, Invalid };

// Reads args[i] when it is --width, --height, --set or --view, together with its value
// (advancing i past it). Invalid comes with the reason in `error`.
SceneOption TakeSceneOption(const std::vector<std::string>& args, std::size_t& i, SceneOptions& scene,
                            std::string& error);

// Sets the plotter's view (the given one or the basic setting) and runs the Draw command.
// As in the window, a checked c_ergebnisliste shows the memo unless Mergebnis_visible was set.
void PrepareScene(plot::Plotter& plotter, SceneOptions& scene);

// Prints every line of the result list to stdout, code page 1252 converted to UTF-8.
void PrintResultList(const plot::Plotter& plotter);

}  // namespace plotwerk::cli
