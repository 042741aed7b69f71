// plotwerk-cli render: draws the picture of a Controls snapshot (defaults plus --set pairs)
// at a given size and view, writes it as an image file and prints the result list; and
// plotwerk-cli fonts: the face the canvas text is drawn in.
#include <QByteArray>
#include <QImage>
#include <QIODevice>
#include <QString>
#include <cmath>
#include <optional>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_gui.h"
#include "cli/cli_scene.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "platform/atomic_write.h"
#include "platform/export_error.h"
#include "platform/picture_export.h"
#include "platform/qt_canvas.h"
#include "plot/plotter.h"

namespace plotwerk::cli {

namespace {

constexpr long long kMaxPixels = 100'000'000;

const char kRenderHelp[] =
    "usage: plotwerk-cli render [--width W] [--height H] [--set NAME=VALUE ...]\n"
    "                           [--view XMIN,XMAX,YMIN,YMAX] [--bmp16] --out FILE\n"
    "Draws the picture the main window shows for the given controls and writes it to FILE.\n"
    "  --width W       width of the drawing area in pixels (default 846)\n"
    "  --height H      height of the drawing area in pixels (default 597)\n"
    "  --set NAME=VALUE  sets a control (repeatable): edit fields take text (ed_f1=X^2),\n"
    "                  check boxes, radio buttons and menu items 0 or 1 (c_f2=1, m_raster=0),\n"
    "                  UpDown1 the graph width; c_ergebnisliste=1 shows the result memo\n"
    "                  unless Mergebnis_visible is set explicitly\n"
    "  --view XMIN,XMAX,YMIN,YMAX  the visible window of the plane instead of the basic\n"
    "                  setting (x from -6 to 6, y with the same scale)\n"
    "  --out FILE      the picture file, written completely or not at all; its extension\n"
    "                  chooses the format: .bmp (screen colours), .gif (216 colours),\n"
    "                  .wmf (Enhanced Metafile), .png, .svg, .pdf\n"
    "  --bmp16         write a .bmp with 16 colours\n"
    "  --help          this text\n"
    "The result list is printed to standard output, one line each.\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "plotwerk-cli render: %s\n", message.c_str());
  return 2;
}

}  // namespace

// Writes the rendered picture in `format`: the raster formats from the image, the vector
// formats by drawing the picture again on a vector canvas with the same mapping.
static void WriteRenderedPicture(const QImage& image, const QString& path, platform::PictureFormat format,
                                 plot::Plotter& plotter, plot::Controls& controls) {
  const platform::PictureSource source{image, image.width(), image.height(), [&](plot::Canvas& canvas) {
                                         plotter.Koordinatensystem(canvas, controls);
                                         plotter.Zeichnen(canvas, controls);
                                       }};
  platform::SavePicture(path, format, source);
}

static int RunRender(const std::vector<std::string>& args) {
  SceneOptions scene;
  std::string out;
  bool bmp16 = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      std::fputs(kRenderHelp, stdout);
      return 0;
    }
    if (a == "--bmp16") {
      bmp16 = true;
      continue;
    }
    std::string error;
    switch (TakeSceneOption(args, i, scene, error)) {
      case SceneOption::Taken:
        continue;
      case SceneOption::Invalid:
        return Fail(error);
      case SceneOption::NotMine:
        break;
    }
    if (a != "--out") return Fail("unknown option '" + a + "' (see --help)");
    if (i + 1 >= args.size()) return Fail("option " + a + " needs a value");
    out = args[++i];
  }
  if (out.empty()) return Fail("--out FILE is required (see --help)");
  const std::optional<platform::PictureFormat> format = platform::FormatForFileName(out, bmp16);
  if (!format) return Fail("--out FILE must end in .bmp, .gif, .wmf, .png, .svg or .pdf, not '" + out + "'");
  if (bmp16 && format != platform::PictureFormat::Bmp16) return Fail("--bmp16 needs a .bmp file");
  if (static_cast<long long>(scene.width) * scene.height > kMaxPixels) return Fail("the picture is too large");

  EnsureGuiApplication();
  const int width = scene.width;
  const int height = scene.height;
  plot::Plotter plotter;
  PrepareScene(plotter, scene);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return Fail("cannot allocate the picture");
  image.fill(Qt::white);
  {
    platform::QtCanvas canvas(image);
    plotter.Redraw(canvas, width, height, scene.controls);
  }
  try {
    WriteRenderedPicture(image, QString::fromLocal8Bit(out.c_str()), *format, plotter, scene.controls);
  } catch (const platform::ExportError& e) {
    std::fprintf(stderr, "plotwerk-cli render: cannot write %s: %s\n", out.c_str(), e.what());
    return 1;
  }
  PrintResultList(plotter);
  return 0;
}

static int RunFonts(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("fonts");
  EnsureGuiApplication();
  std::printf("%s\n", platform::ChosenFontFamily().toStdString().c_str());
  return 0;
}

static const CommandRegistration kRender{
    {"render",
     "plotwerk-cli render [--width W] [--height H] [--set NAME=VALUE ...] [--view XMIN,XMAX,YMIN,YMAX] "
     "[--bmp16] --out FILE",
     RunRender}};
static const CommandRegistration kFonts{{"fonts", "plotwerk-cli fonts", RunFonts}};

}  // namespace plotwerk::cli
