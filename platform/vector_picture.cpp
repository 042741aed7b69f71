// The shared steps of every vector rendering.
#include "platform/vector_picture.h"

namespace plotwerk::platform {

void PaintVectorPicture(plot::Canvas& canvas, int width, int height, int background_extra,
                        const PictureDrawer& draw) {
  canvas.SetFontName("Verdana");
  canvas.SetFontSize(kVectorFontSize);
  canvas.SetBrushColor(plot::kWhite);
  canvas.Rectangle(-1, -1, width + background_extra, height + background_extra);
  // Later text and shapes leave the background visible.
  canvas.SetBrushStyle(plot::BrushStyle::Clear);
  if (draw) draw(canvas);
}

}  // namespace plotwerk::platform
