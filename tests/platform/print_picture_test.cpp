// Printing: the picture stretched into the page rectangle, the bands hiding the overdraw, one
// page under the title "Function" on a PDF printer.
#include "platform/print_picture.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace plotwerk::platform {
namespace {

constexpr int kW = 100, kH = 60;

// Fills the picture and 15 pixels around it black: what the bands must hide.
void Overdraw(plot::Canvas& c) {
  c.SetPenColor(plot::kBlack);
  c.SetBrushColor(plot::kBlack);
  c.Rectangle(-15, -15, kW + 15, kH + 15);
}

bool IsBlack(const QImage& page, int x, int y) { return (page.pixel(x, y) & 0xFFFFFF) == 0; }
bool IsWhite(const QImage& page, int x, int y) { return (page.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }

TEST(PrintPicture, PictureFillsTheTargetAndTheBandsHideTheRest) {
  const int page_w = 600, page_h = 900;
  const PrintLayout layout = ComputePrintLayout(kW, kH, page_w, page_h);
  ASSERT_EQ(layout.target, (Box{20, 20, 580, 348}));  // 580 / 100 * 60 = 348
  QImage page(page_w, page_h, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    PaintPrintPage(painter, layout, kW, kH, Overdraw);
  }
  // Inside the target rectangle, near its corners and in the middle.
  for (const auto& [x, y] : {std::pair{22, 22}, std::pair{577, 22}, std::pair{22, 345}, std::pair{577, 345},
                             std::pair{300, 200}})
    EXPECT_TRUE(IsBlack(page, x, y)) << x << "," << y;
  // The margins and everything below the picture stay white, although the drawing reached
  // 15 picture pixels (about 80 page pixels) beyond it. One picture pixel on each side
  // (the background's frame) is allowed to show.
  const int frame_x = 6, frame_y = 6;
  for (int y = 0; y < page_h; y += 7) {
    EXPECT_TRUE(IsWhite(page, 20 - frame_x - 1, y)) << "left margin, row " << y;
    EXPECT_TRUE(IsWhite(page, 580 + frame_x + 1, y)) << "right margin, row " << y;
  }
  for (int x = 0; x < page_w; x += 7) {
    EXPECT_TRUE(IsWhite(page, x, 20 - frame_y - 1)) << "top margin, column " << x;
    EXPECT_TRUE(IsWhite(page, x, 348 + frame_y + 1)) << "below, column " << x;
    EXPECT_TRUE(IsWhite(page, x, page_h - 1)) << "page bottom, column " << x;
  }
}

// Text keeps its size relative to the picture on a page of printer resolution (a replay that
// re-scaled fonts to the device's dots per inch would blow it up twelvefold at 1200 dpi).
TEST(PrintPicture, TextScalesWithThePictureAtPrinterResolution) {
  constexpr int kDotsPerMetre1200Dpi = 47244;
  const PrintLayout layout = ComputePrintLayout(kW, kH, 600, 900);
  QImage page(600, 900, QImage::Format_RGB32);
  page.setDotsPerMeterX(kDotsPerMetre1200Dpi);
  page.setDotsPerMeterY(kDotsPerMetre1200Dpi);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    PaintPrintPage(painter, layout, kW, kH, [](plot::Canvas& c) {
      c.SetFontColor(plot::kBlack);
      c.TextOut(10, 10, "E");
    });
  }
  // The letter's black pixels, away from the background's frame at the edges.
  int top = page.height(), bottom = -1;
  for (int y = 30; y < 340; ++y)
    for (int x = 30; x < 570; ++x)
      if (IsBlack(page, x, y)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GE(bottom, top) << "no text printed";
  // 10 points are 13 picture pixels at most; one picture pixel is 328 / 60 page pixels here.
  EXPECT_LE(bottom - top + 1, 13 * 328 / 60);
  EXPECT_GE(top, 20 + 10 * 328 / 60 - 1);  // starts at the text position, scaled
}

TEST(PrintPicture, OnePageOnAPdfPrinter) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("print.pdf"));
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
  printer.setResolution(600);
  const int page_w = printer.width(), page_h = printer.height();
  // A4 less 2 x 10 mm at 600 dpi: 190 mm x 277 mm.
  ASSERT_NEAR(page_w, 190 / 25.4 * 600, 10);  // Qt rounds A4 and the margins to points
  ASSERT_NEAR(page_h, 277 / 25.4 * 600, 10);

  const PrintLayout layout = PrintPicture(printer, 846, 597, Overdraw);
  EXPECT_EQ(layout.target.left, 20);
  EXPECT_EQ(layout.target.top, 20);
  EXPECT_EQ(layout.target.Width(), page_w - 40);
  EXPECT_EQ(layout.target.bottom, static_cast<int>(std::nearbyint((page_w - 20) / 846.0 * 597)));
  EXPECT_EQ(layout.band_bottom, static_cast<int>(std::nearbyint(page_h * 846.0 / page_w + 20)));
  EXPECT_EQ(printer.docName(), "Function");

  QFile file(dir.filePath("print.pdf"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
}

}  // namespace
}  // namespace plotwerk::platform
