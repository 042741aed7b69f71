// The one session of the page: the plotter, the controls and the size of the drawing area.
#pragma once

#include <memory>

#include "plot/controls.h"
#include "plot/plotter.h"
#include "web/web_canvas.h"

namespace plotwerk::web {

// Drawing areas are held within this many pixels per side.
inline constexpr int kMaxAreaSide = 20000;

struct Session {
  plot::Plotter plotter;
  plot::Controls controls;
  int width = plot::kDefaultAreaWidth;
  int height = plot::kDefaultAreaHeight;
  std::unique_ptr<WebCanvas> canvas;
};

Session& TheSession();

}  // namespace plotwerk::web
