// GIF writing through giflib's EGif API with an output function that collects the bytes.
#include "platform/gif_writer.h"

#include <gif_lib.h>

#include <limits>
#include <memory>
#include <string>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

constexpr int kColourTableSize = 256;  // GIF colour tables hold a power of two entries
constexpr int kColourResolutionBits = 8;
constexpr int kMaxGifSide = std::numeric_limits<std::uint16_t>::max();

int AppendBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

[[noreturn]] void Fail(int error) {
  const char* text = GifErrorString(error);
  throw ExportError(std::string("GIF encoder error: ") + (text ? text : "unknown error"));
}

struct ColourMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::vector<std::uint8_t> EncodeGif(const RasterImage& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    throw ExportError("The picture has no pixels to save.");
  if (image.width > kMaxGifSide || image.height > kMaxGifSide)
    throw ExportError("The picture is too large for a GIF file.");

  GifColorType colours[kColourTableSize] = {};
  for (int i = 0; i < kWebPaletteSize; ++i) {
    const plot::Rgb c = WebPaletteColour(i);
    colours[i] = {c.r, c.g, c.b};
  }
  std::unique_ptr<ColorMapObject, ColourMapDeleter> map(GifMakeMapObject(kColourTableSize, colours));
  if (!map) throw ExportError("GIF encoder error: out of memory");

  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendBytes, &error);
  if (!gif) Fail(error);
  // Every path below closes the encoder exactly once.
  const auto close_and_fail = [&gif](int code) {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
    Fail(code);
  };
  if (EGifPutScreenDesc(gif, image.width, image.height, kColourResolutionBits, 0, map.get()) == GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR)
    close_and_fail(gif->Error);
  std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) line[x] = static_cast<GifPixelType>(WebPaletteIndex(image.At(x, y)));
    if (EGifPutLine(gif, line.data(), image.width) == GIF_ERROR) close_and_fail(gif->Error);
  }
  if (EGifCloseFile(gif, &error) == GIF_ERROR) Fail(error);
  return out;
}

}  // namespace plotwerk::platform
