// Picture files and the clipboard picture: encoders per format, vector renderings on QtCanvas
// over an SVG generator, a PDF writer or an image, and the EMF recording.
#include "platform/picture_export.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/atomic_write.h"
#include "platform/bmp_writer.h"
#include "platform/emf_canvas.h"
#include "platform/export_error.h"
#include "platform/gif_writer.h"
#include "platform/qt_canvas.h"

namespace plotwerk::platform {

namespace {

constexpr double kPointsPerPixel = 72.0 / kEmfReferenceDpi;

// Measures with a QtCanvas on a one-pixel image, so that the EMF file gets the text sizes
// the screen and the other vector formats use.
class QtTextMeasurer final : public TextMeasurer {
 public:
  QtTextMeasurer() : image_(1, 1, QImage::Format_RGB32), canvas_(image_) {}
  plot::TextSize Measure(const plot::CanvasState& state, std::string_view text) override {
    canvas_.SetFontName(state.font_name);
    canvas_.SetFontSize(state.font_size);
    return canvas_.TextExtent(text);
  }

 private:
  QImage image_;
  QtCanvas canvas_;
};

QByteArray ToByteArray(const std::vector<std::uint8_t>& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void CheckSize(int width, int height) {
  if (width <= 0 || height <= 0) throw ExportError("The picture has no pixels to save.");
}

// Runs the vector picture on a QtCanvas over `device` (SVG generator, PDF writer).
void PaintOn(QPaintDevice& device, int width, int height, int background_extra, const PictureDrawer& draw) {
  QtCanvas canvas(device, width, height);
  PaintVectorPicture(canvas, width, height, background_extra, draw);
  canvas.Finish();
}

}  // namespace

std::optional<PictureFormat> FormatForFileName(std::string_view file_name, bool sixteen_colours) {
  const std::size_t dot = file_name.rfind('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string ext(file_name.substr(dot + 1));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "bmp") return sixteen_colours ? PictureFormat::Bmp16 : PictureFormat::Bmp;
  if (ext == "gif") return PictureFormat::Gif;
  if (ext == "wmf" || ext == "emf") return PictureFormat::Emf;
  if (ext == "png") return PictureFormat::Png;
  if (ext == "svg") return PictureFormat::Svg;
  if (ext == "pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

RasterImage ToRasterImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  RasterImage out(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x)
      out.At(x, y) = {static_cast<std::uint8_t>(qRed(line[x])), static_cast<std::uint8_t>(qGreen(line[x])),
                      static_cast<std::uint8_t>(qBlue(line[x]))};
  }
  return out;
}

int ScreenBitsPerPixel() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->depth() <= 24 ? 24 : 32;
}

std::vector<std::uint8_t> RenderEmf(int width, int height, int background_extra, const PictureDrawer& draw) {
  CheckSize(width, height);
  QtTextMeasurer measurer;
  EmfCanvas canvas(width, height, measurer);
  PaintVectorPicture(canvas, width, height, background_extra, draw);
  return canvas.Finish();
}

QByteArray RenderSvg(int width, int height, int background_extra, const PictureDrawer& draw) {
  CheckSize(width, height);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(width, height));
  generator.setViewBox(QRect(0, 0, width, height));
  generator.setResolution(kEmfReferenceDpi);
  generator.setTitle(QStringLiteral("Function"));
  generator.setDescription(QStringLiteral("Plotwerk"));
  PaintOn(generator, width, height, background_extra, draw);
  return buffer.data();
}

QByteArray RenderPdf(int width, int height, int background_extra, const PictureDrawer& draw) {
  CheckSize(width, height);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kEmfReferenceDpi);
    // One page exactly the picture's size: W x H pixels at 96 dpi.
    const QPageSize page(QSizeF(width * kPointsPerPixel, height * kPointsPerPixel), QPageSize::Point,
                         QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(QStringLiteral("Function"));
    writer.setCreator(QStringLiteral("Plotwerk"));
    PaintOn(writer, width, height, background_extra, draw);
  }
  return buffer.data();
}

QImage RenderRaster(int width, int height, int background_extra, const PictureDrawer& draw, bool smooth) {
  CheckSize(width, height);
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtCanvas canvas(image);
  canvas.SetSmooth(smooth);
  PaintVectorPicture(canvas, width, height, background_extra, draw);
  canvas.Finish();
  return image;
}

QByteArray EncodePicture(PictureFormat format, const PictureSource& source) {
  switch (format) {
    case PictureFormat::Bmp:
      return ToByteArray(EncodeBmp(ToRasterImage(source.screen), ScreenBitsPerPixel()));
    case PictureFormat::Bmp16:
      return ToByteArray(EncodeBmp16(ToRasterImage(source.screen)));
    case PictureFormat::Gif:
      return ToByteArray(EncodeGif(ToRasterImage(source.screen)));
    case PictureFormat::Png: {
      if (source.screen.isNull()) throw ExportError("The picture has no pixels to save.");
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      if (!source.screen.save(&buffer, "PNG")) throw ExportError("The PNG encoder failed.");
      return bytes;
    }
    case PictureFormat::Emf:
      return ToByteArray(RenderEmf(source.width, source.height, kFileBackgroundExtra, source.draw));
    case PictureFormat::Svg:
      return RenderSvg(source.width, source.height, kFileBackgroundExtra, source.draw);
    case PictureFormat::Pdf:
      return RenderPdf(source.width, source.height, kFileBackgroundExtra, source.draw);
  }
  throw ExportError("Unknown picture format.");
}

void WritePicture(ByteSink& sink, PictureFormat format, const PictureSource& source) {
  if (format == PictureFormat::Bmp || format == PictureFormat::Bmp16 || format == PictureFormat::Gif) {
    // Straight from the bitmap to the file, one row at a time.
    if (source.screen.isNull()) throw ExportError("The picture has no pixels to save.");
    const QImage rgb = source.screen.convertToFormat(QImage::Format_RGB32);  // no copy when it is
    const RowSource rows = [&rgb](int y, plot::Rgb* row) {
      const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
      for (int x = 0; x < rgb.width(); ++x) {
        row[x] = {static_cast<std::uint8_t>(qRed(line[x])), static_cast<std::uint8_t>(qGreen(line[x])),
                  static_cast<std::uint8_t>(qBlue(line[x]))};
      }
    };
    const ByteOutput out = [&sink](const std::uint8_t* data, std::size_t size) { sink.Write(data, size); };
    if (format == PictureFormat::Gif) {
      WriteGif(rgb.width(), rgb.height(), rows, out);
    } else if (format == PictureFormat::Bmp16) {
      WriteBmp16(rgb.width(), rgb.height(), rows, out);
    } else {
      WriteBmp(rgb.width(), rgb.height(), ScreenBitsPerPixel(), rows, out);
    }
    return;
  }
  const QByteArray bytes = EncodePicture(format, source);
  sink.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void SavePicture(const std::string& path, PictureFormat format, const PictureSource& source) {
  WriteFileAtomically(path, [&](ByteSink& sink) { WritePicture(sink, format, source); });
}

void SavePicture(const QString& path, PictureFormat format, const PictureSource& source) {
  SavePicture(FileNameBytes(path), format, source);
}

QMimeData* PictureMimeData(int width, int height, const PictureDrawer& draw, bool smooth) {
  const QByteArray svg = RenderSvg(width, height, kClipboardBackgroundExtra, draw);
  const QImage image = RenderRaster(width, height, kClipboardBackgroundExtra, draw, smooth);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw ExportError("The PNG encoder failed.");
  auto* mime = new QMimeData;
  mime->setData(QStringLiteral("image/svg+xml"), svg);
  mime->setData(QStringLiteral("image/png"), png);
  mime->setImageData(image);
  return mime;
}

}  // namespace plotwerk::platform
