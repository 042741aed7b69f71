// The picture files and the clipboard picture: the raster formats from the screen bitmap, the
// vector formats (EMF, SVG, PDF) from a fresh vector rendering, every file written atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/atomic_write.h"
#include "platform/raster_image.h"
#include "platform/vector_picture.h"

class QMimeData;

namespace plotwerk::platform {

enum class PictureFormat {
  Bmp,    // screen pixel format, 24 or 32 bits
  Bmp16,  // 4 bits, VGA palette
  Gif,    // 216-colour palette
  Emf,    // Enhanced Metafile (saved as ".wmf")
  Png,
  Svg,
  Pdf,
};

// The format for a file name by its extension (case-insensitive): .bmp (.bmp with
// `sixteen_colours` for Bmp16), .gif, .wmf and .emf, .png, .svg, .pdf; nothing for others.
std::optional<PictureFormat> FormatForFileName(std::string_view file_name, bool sixteen_colours = false);

// What the picture consists of: the screen bitmap for the raster formats, and the size and
// drawing of the vector formats (the caller's mapping is used as it stands).
struct PictureSource {
  QImage screen;  // W x H, a copy of the drawing area after a fresh redraw
  int width = 0;
  int height = 0;
  PictureDrawer draw;
};

RasterImage ToRasterImage(const QImage& image);
// Bits per pixel of a full-colour BMP in the screen's pixel format: 24 or 32.
int ScreenBitsPerPixel();

// Vector renderings with the background rectangle reaching `background_extra` beyond W x H.
std::vector<std::uint8_t> RenderEmf(int width, int height, int background_extra, const PictureDrawer& draw);
QByteArray RenderSvg(int width, int height, int background_extra, const PictureDrawer& draw);
QByteArray RenderPdf(int width, int height, int background_extra, const PictureDrawer& draw);
// `smooth`: antialiased (QtCanvas::SetSmooth).
QImage RenderRaster(int width, int height, int background_extra, const PictureDrawer& draw,
                    bool smooth = false);

// The file content of `format`. ExportError when an encoder fails.
QByteArray EncodePicture(PictureFormat format, const PictureSource& source);

// Writes the file content of `format` to `sink`; BMP and GIF row by row from the screen bitmap,
// so that a large picture needs little memory beyond the bitmap itself.
void WritePicture(ByteSink& sink, PictureFormat format, const PictureSource& source);

// Encodes and writes atomically: on any failure (ExportError with the platform's message)
// the old file is unchanged and no temporary file is left. `path` is the file name's bytes;
// the QString form is the window's (see FileNameBytes).
void SavePicture(const std::string& path, PictureFormat format, const PictureSource& source);
void SavePicture(const QString& path, PictureFormat format, const PictureSource& source);

// The clipboard picture: SVG as image/svg+xml and PNG as image/png (plus the image itself),
// both from the vector rendering with the clipboard's background, the PNG antialiased when
// `smooth`. The caller owns the result.
QMimeData* PictureMimeData(int width, int height, const PictureDrawer& draw, bool smooth = false);

}  // namespace plotwerk::platform
