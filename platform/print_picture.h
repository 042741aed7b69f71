// Printing the picture: one page under the title "Function", the vector picture with its
// masking bands stretched into the page rectangle of the print layout.
#pragma once

#include "platform/print_layout.h"
#include "platform/vector_picture.h"

class QPainter;
class QPrinter;

namespace plotwerk::platform {

inline constexpr const char* kPrintDocumentTitle = "Function";

// Paints onto `page` (device pixels): the picture of width x height with the background
// (W + 1, H + 1) and the bands, scaled so that (0, 0)-(W, H) fills layout.target.
void PaintPrintPage(QPainter& page, const PrintLayout& layout, int width, int height, const PictureDrawer& draw);

// Prints one page on `printer` and returns the layout used. The caller recomputes the mapping
// for W x H first, as the redraw does. ExportError when the printer cannot start or fails.
PrintLayout PrintPicture(QPrinter& printer, int width, int height, const PictureDrawer& draw);

}  // namespace plotwerk::platform
