// GIF writing through giflib's EGif API with an output function that collects the bytes.
#include "platform/gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <exception>
#include <limits>
#include <memory>
#include <string>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

constexpr int kColourTableSize = 256;  // GIF colour tables hold a power of two entries
constexpr int kColourResolutionBits = 8;
constexpr int kMaxGifSide = std::numeric_limits<std::uint16_t>::max();

// giflib's output function is called from C: an exception of the output is kept here and
// raised again once the encoder has returned.
struct Output {
  const ByteOutput& out;
  std::exception_ptr failure;
};

int PassBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* output = static_cast<Output*>(gif->UserData);
  if (output->failure) return 0;
  try {
    output->out(data, static_cast<std::size_t>(length));
  } catch (...) {
    output->failure = std::current_exception();
    return 0;  // a short write: giflib reports a write error
  }
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
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    throw ExportError("The picture has no pixels to save.");
  std::vector<std::uint8_t> out;
  WriteGif(
      image.width, image.height,
      [&image](int y, plot::Rgb* row) {
        std::copy_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width, image.width, row);
      },
      [&out](const std::uint8_t* data, std::size_t size) { out.insert(out.end(), data, data + size); });
  return out;
}

void WriteGif(int width, int height, const RowSource& rows, const ByteOutput& out) {
  if (width <= 0 || height <= 0) throw ExportError("The picture has no pixels to save.");
  if (width > kMaxGifSide || height > kMaxGifSide) throw ExportError("The picture is too large for a GIF file.");

  GifColorType colours[kColourTableSize] = {};
  for (int i = 0; i < kWebPaletteSize; ++i) {
    const plot::Rgb c = WebPaletteColour(i);
    colours[i] = {c.r, c.g, c.b};
  }
  std::unique_ptr<ColorMapObject, ColourMapDeleter> map(GifMakeMapObject(kColourTableSize, colours));
  if (!map) throw ExportError("GIF encoder error: out of memory");

  Output output{out, nullptr};
  int error = 0;
  GifFileType* gif = EGifOpen(&output, PassBytes, &error);
  if (!gif) Fail(error);
  // Every path below closes the encoder exactly once; a failure of the output comes first.
  const auto close_and_fail = [&gif, &output](int code) {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
    if (output.failure) std::rethrow_exception(output.failure);
    Fail(code);
  };
  if (EGifPutScreenDesc(gif, width, height, kColourResolutionBits, 0, map.get()) == GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
    close_and_fail(gif->Error);
  std::vector<plot::Rgb> pixels(static_cast<std::size_t>(width));
  std::vector<GifPixelType> line(static_cast<std::size_t>(width));
  for (int y = 0; y < height; ++y) {
    rows(y, pixels.data());
    for (int x = 0; x < width; ++x) line[x] = static_cast<GifPixelType>(WebPaletteIndex(pixels[x]));
    if (EGifPutLine(gif, line.data(), width) == GIF_ERROR) close_and_fail(gif->Error);
  }
  if (EGifCloseFile(gif, &error) == GIF_ERROR) {
    if (output.failure) std::rethrow_exception(output.failure);
    Fail(error);
  }
  if (output.failure) std::rethrow_exception(output.failure);
}

}  // namespace plotwerk::platform
