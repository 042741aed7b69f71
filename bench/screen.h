// The window's drawing area as the benchmarks paint it: its design size, the screen image and
// one repaint through QtCanvas, as the window's Redraw does.
#pragma once

#include <QImage>

#include "plot/controls.h"
#include "plot/plotter.h"

namespace plotwerk::bench {

inline constexpr int kScreenWidth = plot::kDefaultAreaWidth;
inline constexpr int kScreenHeight = plot::kDefaultAreaHeight;

// An image of the drawing area in the screen's pixel format.
QImage ScreenImage();

// The plotter on the basic setting after the draw command, as the window is after "Zeichnen".
void PrepareBasicSetting(plot::Plotter& plotter, const plot::Controls& controls);

// One repaint: the image filled white, the plotter's redraw painted on it through QtCanvas.
void PaintScreen(plot::Plotter& plotter, plot::Controls& controls, QImage& screen);

}  // namespace plotwerk::bench
