// Printing through an SVG recording: the picture is recorded once in picture pixels and
// replayed scaled into the page rectangle, as a metafile is stretched into a rectangle. (A
// QPicture would re-scale its fonts to the printer's resolution on replay.)
#include "platform/print_picture.h"

#include <QPainter>
#include <QPrinter>
#include <QSvgRenderer>

#include <algorithm>

#include "platform/export_error.h"
#include "platform/picture_export.h"

namespace plotwerk::platform {

void PaintPrintPage(QPainter& page, const PrintLayout& layout, int width, int height, const PictureDrawer& draw) {
  const int w = std::max(width, 1), h = std::max(height, 1);
  const QByteArray recording = RenderSvg(w, h, kPrintBackgroundExtra, [&](plot::Canvas& canvas) {
    if (draw) draw(canvas);
    PaintMaskingBands(canvas, layout);
  });
  QSvgRenderer player(recording);
  if (!player.isValid()) throw ExportError("The picture could not be prepared for printing.");
  player.render(&page, QRectF(layout.target.left, layout.target.top, layout.target.Width(), layout.target.Height()));
}

PrintLayout PrintPicture(QPrinter& printer, int width, int height, const PictureDrawer& draw) {
  // Page width and height in printer pixels: the printable area the painter's origin starts at.
  const PrintLayout layout = ComputePrintLayout(width, height, printer.width(), printer.height());
  printer.setDocName(QString::fromLatin1(kPrintDocumentTitle));
  QPainter page;
  if (!page.begin(&printer)) throw ExportError("The printer could not be started.");
  PaintPrintPage(page, layout, width, height, draw);
  if (!page.end() || printer.printerState() == QPrinter::Error)
    throw ExportError("Printing failed.");
  return layout;
}

}  // namespace plotwerk::platform
