// Every picture format written, re-read by an independent reader and compared with its source.
#include "platform/picture_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <set>

#include "emf_reader.h"
#include "full_file_system.h"
#include "platform/bmp_writer.h"
#include "platform/export_error.h"
#include "platform/gif_writer.h"
#include "platform/qt_canvas.h"
#include "plot/plotter.h"

namespace plotwerk::platform {
namespace {

constexpr int kW = 240, kH = 160;

// The window's start picture: the default controls drawn by the plot core.
struct StartPicture {
  plot::Plotter plotter;
  plot::Controls controls;
  StartPicture() {
    plotter.ApplyBasicSetting(kW, kH);
    plotter.DrawCommand(controls);
    plotter.UpdateMapping(kW, kH);  // the mapping of the last redraw, which exports reuse
  }
  QImage Screen() {
    QImage image(kW, kH, QImage::Format_RGB32);
    QtCanvas canvas(image);
    plotter.Redraw(canvas, kW, kH, controls);
    canvas.Finish();
    return image;
  }
  PictureDrawer Drawer() {
    return [this](plot::Canvas& c) {
      plotter.Koordinatensystem(c, controls);
      plotter.Zeichnen(c, controls);
    };
  }
  PictureSource Source() { return {Screen(), kW, kH, Drawer()}; }
};

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

plot::Rgb ToRgb(QRgb p) {
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)), static_cast<std::uint8_t>(qBlue(p))};
}

int CountColours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  return static_cast<int>(colours.size());
}

TEST(PictureExport, FormatByFileName) {
  EXPECT_EQ(FormatForFileName("a.bmp"), PictureFormat::Bmp);
  EXPECT_EQ(FormatForFileName("a.BMP", true), PictureFormat::Bmp16);
  EXPECT_EQ(FormatForFileName("dir.x/a.gif"), PictureFormat::Gif);
  EXPECT_EQ(FormatForFileName("a.wmf"), PictureFormat::Emf);
  EXPECT_EQ(FormatForFileName("a.emf"), PictureFormat::Emf);
  EXPECT_EQ(FormatForFileName("a.png"), PictureFormat::Png);
  EXPECT_EQ(FormatForFileName("a.Svg"), PictureFormat::Svg);
  EXPECT_EQ(FormatForFileName("a.pdf"), PictureFormat::Pdf);
  EXPECT_EQ(FormatForFileName("a.jpg"), std::nullopt);
  EXPECT_EQ(FormatForFileName("noextension"), std::nullopt);
}

TEST(PictureExport, RasterFilesKeepTheScreenPixels) {
  StartPicture picture;
  const PictureSource source = picture.Source();
  QTemporaryDir dir;
  ASSERT_GT(CountColours(source.screen), 2);  // the picture is not blank
  for (const PictureFormat format : {PictureFormat::Bmp, PictureFormat::Png, PictureFormat::Gif}) {
    const QString path = dir.filePath("picture");
    SavePicture(path, format, source);
    const QImage back(path);  // Qt's own readers, independent of the encoders
    ASSERT_EQ(back.size(), QSize(kW, kH)) << static_cast<int>(format);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) {
        const plot::Rgb src = ToRgb(source.screen.pixel(x, y));
        const plot::Rgb want = format == PictureFormat::Gif ? WebPaletteColour(WebPaletteIndex(src)) : src;
        ASSERT_EQ(ToRgb(back.pixel(x, y)), want) << "format " << static_cast<int>(format) << " at " << x << "," << y;
      }
  }
  SavePicture(dir.filePath("sixteen.bmp"), PictureFormat::Bmp16, source);
  const QImage sixteen(dir.filePath("sixteen.bmp"));
  ASSERT_EQ(sixteen.size(), QSize(kW, kH));
  EXPECT_LE(CountColours(sixteen), 16);
  EXPECT_GT(CountColours(sixteen), 2);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary files left
}

TEST(PictureExport, FullColourBmpHasTheScreenDepth) {
  StartPicture picture;
  const QByteArray bmp = EncodePicture(PictureFormat::Bmp, picture.Source());
  ASSERT_GT(bmp.size(), 30);
  EXPECT_EQ(static_cast<unsigned char>(bmp[28]), ScreenBitsPerPixel());
}

TEST(PictureExport, VectorFilesOpenInTheirReaders) {
  StartPicture picture;
  const PictureSource source = picture.Source();

  const QByteArray emf = EncodePicture(PictureFormat::Emf, source);
  const testing::EmfFile file = testing::ParseEmf(
      std::span(reinterpret_cast<const std::uint8_t*>(emf.constData()), static_cast<std::size_t>(emf.size())));
  EXPECT_EQ(file.header.bounds, (std::array<std::int32_t, 4>{0, 0, kW - 1, kH - 1}));
  const std::vector<std::string> ops = testing::DescribeRecords(file);
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(std::count(ops.begin(), ops.end(), "Rectangle -1 -1 241 161"), 1);  // the background
  EXPECT_GT(std::count_if(ops.begin(), ops.end(), [](const std::string& s) { return s.starts_with("LineTo"); }), 50);
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const std::string& s) { return s.starts_with("Text"); }));

  const QByteArray svg = EncodePicture(PictureFormat::Svg, source);
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, kW, kH));
  QImage drawn(kW, kH, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    renderer.render(&painter);
  }
  EXPECT_GT(CountColours(drawn), 2);  // the SVG draws the picture, not an empty page

  const QByteArray pdf = EncodePicture(PictureFormat::Pdf, source);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 1);
}

TEST(PictureExport, EncoderFailureKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("old.gif");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  PictureSource empty;  // no screen bitmap, no size
  for (const PictureFormat format : {PictureFormat::Bmp, PictureFormat::Bmp16, PictureFormat::Gif,
                                     PictureFormat::Png, PictureFormat::Emf, PictureFormat::Svg, PictureFormat::Pdf}) {
    EXPECT_THROW(SavePicture(path, format, empty), ExportError) << static_cast<int>(format);
  }
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.gif"});
}

TEST(PictureExport, FullDiskKeepsTheOldFileAndReportsTheSystemMessage) {
  StartPicture picture;
  const PictureSource source = picture.Source();
  for (const PictureFormat format : {PictureFormat::Bmp, PictureFormat::Bmp16, PictureFormat::Gif,
                                     PictureFormat::Png, PictureFormat::Emf, PictureFormat::Svg, PictureFormat::Pdf}) {
    SCOPED_TRACE(static_cast<int>(format));
    FullFileSystem full(QStringLiteral("old.pic"), "old picture");
    const QString path = full.Path(QStringLiteral("old.pic"));
    try {
      SavePicture(path, format, source);
      ADD_FAILURE() << "the save reported success";
    } catch (const ExportError& e) {
      const std::string expected = full.IsTmpfs() ? std::strerror(ENOSPC) : std::strerror(EFBIG);
      EXPECT_NE(std::string(e.what()).find(expected), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadAll(path), "old picture");
    QStringList left = QDir(full.Path(QString())).entryList(QDir::Files | QDir::Hidden);
    left.removeAll(QStringLiteral("filler"));
    EXPECT_EQ(left, QStringList{"old.pic"});
  }
}

TEST(PictureExport, ClipboardDataCarriesSvgAndPng) {
  StartPicture picture;
  std::unique_ptr<QMimeData> mime(PictureMimeData(kW, kH, picture.Drawer()));
  ASSERT_TRUE(mime->hasFormat("image/svg+xml"));
  ASSERT_TRUE(mime->hasFormat("image/png"));
  EXPECT_TRUE(QSvgRenderer(mime->data("image/svg+xml")).isValid());
  const QImage png = QImage::fromData(mime->data("image/png"), "PNG");
  EXPECT_EQ(png.size(), QSize(kW, kH));
  EXPECT_GT(CountColours(png), 2);
  EXPECT_TRUE(mime->hasImage());
}

}  // namespace
}  // namespace plotwerk::platform
