// Printing through a QPicture: the picture is recorded once in picture pixels and replayed
// scaled onto the printer page, as a metafile is stretched into a rectangle.
#include "platform/print_picture.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include "platform/export_error.h"
#include "platform/qt_canvas.h"

namespace plotwerk::platform {

void PaintPrintPage(QPainter& page, const PrintLayout& layout, int width, int height, const PictureDrawer& draw) {
  const int w = std::max(width, 1), h = std::max(height, 1);
  QPicture picture;
  {
    QtCanvas canvas(picture, w, h);
    PaintVectorPicture(canvas, w, h, kPrintBackgroundExtra, draw);
    PaintMaskingBands(canvas, layout);
    canvas.Finish();
  }
  page.save();
  page.translate(layout.target.left, layout.target.top);
  page.scale(static_cast<double>(layout.target.Width()) / w, static_cast<double>(layout.target.Height()) / h);
  page.drawPicture(0, 0, picture);
  page.restore();
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
