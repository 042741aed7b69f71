// plotwerk-cli render: draws the picture of a Controls snapshot (defaults plus --set pairs)
// at a given size and view, writes it as an image file and prints the result list; and
// plotwerk-cli fonts: the face the canvas text is drawn in.
#include <QByteArray>
#include <QImage>
#include <QIODevice>
#include <QString>
#include <charconv>
#include <cmath>
#include <optional>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_gui.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "platform/atomic_write.h"
#include "platform/emf_canvas.h"
#include "platform/export_error.h"
#include "platform/picture_export.h"
#include "platform/qt_canvas.h"
#include "plot/controls_names.h"
#include "plot/plotter.h"

namespace plotwerk::cli {

namespace {

constexpr int kDefaultWidth = 846;   // the drawing area when the window opens, memo hidden
constexpr int kDefaultHeight = 597;
constexpr int kMaxSide = 20000;
constexpr long long kMaxPixels = 100'000'000;

const char kRenderHelp[] =
    "usage: plotwerk-cli render [--width W] [--height H] [--set NAME=VALUE ...]\n"
    "                           [--view XMIN,XMAX,YMIN,YMAX] [--bmp16] --out FILE\n"
    "Draws the picture the main window shows for the given controls and writes it to FILE.\n"
    "  --width W       width of the drawing area in pixels (default 846)\n"
    "  --height H      height of the drawing area in pixels (default 597)\n"
    "  --set NAME=VALUE  sets a control (repeatable): edit fields take text (ed_f1=X^2),\n"
    "                  check boxes, radio buttons and menu items 0 or 1 (c_f2=1, m_raster=0),\n"
    "                  UpDown1 the graph width\n"
    "  --view XMIN,XMAX,YMIN,YMAX  the visible window of the plane instead of the basic\n"
    "                  setting (x from -6 to 6, y with the same scale)\n"
    "  --out FILE      the picture file, written completely or not at all; its extension\n"
    "                  chooses the format: .bmp (screen colours), .gif (216 colours),\n"
    "                  .wmf (Enhanced Metafile), .png, .svg, .pdf\n"
    "  --bmp16         write a .bmp with 16 colours\n"
    "  --help          this text\n"
    "The result list is printed to standard output, one line each.\n";

std::string Cp1252ToUtf8(std::string_view text) {
  QString s;
  for (const char ch : text) s.append(QChar(platform::Cp1252ToUnicode(static_cast<unsigned char>(ch))));
  return s.toUtf8().toStdString();
}

bool ParseSide(const std::string& text, int* out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return ec == std::errc() && end == text.data() + text.size() && *out >= 1 && *out <= kMaxSide;
}

bool ParseView(const std::string& text, plot::PlotView* view) {
  double v[4];
  std::size_t start = 0;
  for (int k = 0; k < 4; ++k) {
    const std::size_t comma = text.find(',', start);
    if ((k < 3) != (comma != std::string::npos)) return false;
    const std::string part = text.substr(start, k < 3 ? comma - start : std::string::npos);
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), v[k]);
    if (ec != std::errc() || end != part.data() + part.size() || part.empty()) return false;
    start = comma + 1;
  }
  *view = {v[0], v[1], v[2], v[3]};
  return true;
}

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
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  plot::Controls controls;
  bool have_view = false;
  plot::PlotView view;
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
    const bool takes_value = a == "--width" || a == "--height" || a == "--set" || a == "--view" || a == "--out";
    if (!takes_value) return Fail("unknown option '" + a + "' (see --help)");
    if (i + 1 >= args.size()) return Fail("option " + a + " needs a value");
    const std::string& value = args[++i];
    if (a == "--width" || a == "--height") {
      if (!ParseSide(value, a == "--width" ? &width : &height)) {
        return Fail(a + " takes a whole number from 1 to " + std::to_string(kMaxSide) + ", not '" + value + "'");
      }
    } else if (a == "--set") {
      const std::size_t eq = value.find('=');
      if (eq == std::string::npos) return Fail("--set takes NAME=VALUE, not '" + value + "'");
      const std::string name = value.substr(0, eq);
      // Edit fields hold code page 1252 text in upper case, as the window's fields do.
      std::string text = value.substr(eq + 1);
      if (name.rfind("ed_", 0) == 0) text = ArgumentToTerm(text);
      std::string error;
      if (!plot::SetControl(controls, name, text, &error)) return Fail(error);
    } else if (a == "--view") {
      if (!ParseView(value, &view) || !plot::IsValidView(view)) {
        return Fail("--view takes XMIN,XMAX,YMIN,YMAX with XMIN < XMAX and YMIN < YMAX, not '" + value + "'");
      }
      have_view = true;
    } else {
      out = value;
    }
  }
  if (out.empty()) return Fail("--out FILE is required (see --help)");
  const std::optional<platform::PictureFormat> format = platform::FormatForFileName(out, bmp16);
  if (!format) return Fail("--out FILE must end in .bmp, .gif, .wmf, .png, .svg or .pdf, not '" + out + "'");
  if (bmp16 && format != platform::PictureFormat::Bmp16) return Fail("--bmp16 needs a .bmp file");
  if (static_cast<long long>(width) * height > kMaxPixels) return Fail("the picture is too large");

  EnsureGuiApplication();
  plot::Plotter plotter;
  if (have_view) {
    plotter.SetView(view);
  } else {
    plotter.ApplyBasicSetting(width, height);
  }
  plotter.DrawCommand(controls);
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return Fail("cannot allocate the picture");
  image.fill(Qt::white);
  {
    platform::QtCanvas canvas(image);
    plotter.Redraw(canvas, width, height, controls);
  }
  try {
    WriteRenderedPicture(image, QString::fromLocal8Bit(out.c_str()), *format, plotter, controls);
  } catch (const platform::ExportError& e) {
    std::fprintf(stderr, "plotwerk-cli render: cannot write %s: %s\n", out.c_str(), e.what());
    return 1;
  }
  for (const std::string& line : plotter.Results().Lines()) std::printf("%s\n", Cp1252ToUtf8(line).c_str());
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
