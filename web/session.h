// The one session of the page: the plotter, the controls and the size of the drawing area.
#pragma once

#include <memory>

#include "plot/animation.h"
#include "plot/controls.h"
#include "plot/drawing.h"
#include "plot/plotter.h"
#include "web/web_canvas.h"

namespace plotwerk::web {

// Drawing areas are held within this many pixels per side.
inline constexpr int kMaxAreaSide = 20000;

struct Session {
  plot::Plotter plotter;
  plot::Controls controls;
  // The captions beside the fields of A and B and under the integral, as the last redraws left them.
  plot::ShownCaptions captions;
  // The direction of the animation, kept from tick to tick.
  plot::Animation animation;
  int width = plot::kDefaultAreaWidth;
  int height = plot::kDefaultAreaHeight;
  std::unique_ptr<WebCanvas> canvas;
};

Session& TheSession();

}  // namespace plotwerk::web
