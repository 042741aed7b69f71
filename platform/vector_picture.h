// The vector picture of the exports: a white background rectangle, then the coordinate system
// and the graphs drawn by the caller on the same canvas. Toolkit-free.
#pragma once

#include <functional>

#include "plot/canvas.h"

namespace plotwerk::platform {

// Draws the picture proper (koordinatensystem, then zeichnen) onto the canvas it is given.
using PictureDrawer = std::function<void(plot::Canvas&)>;

// How far the background rectangle reaches beyond W x H: the clipboard copy covers one pixel
// more than the saved file and the printout.
inline constexpr int kClipboardBackgroundExtra = 2;
inline constexpr int kFileBackgroundExtra = 1;
inline constexpr int kPrintBackgroundExtra = 1;
inline constexpr int kVectorFontSize = 10;  // points, "Verdana"

// Font "Verdana" 10, white brush, background rectangle from (-1, -1) to (W + extra, H + extra)
// with the default pen, clear brush, then `draw`.
void PaintVectorPicture(plot::Canvas& canvas, int width, int height, int background_extra,
                        const PictureDrawer& draw);

}  // namespace plotwerk::platform
