// plotwerk-cli render: draws the picture of a Controls snapshot (defaults or a worksheet, plus
// --set pairs) at a given size and view, writes it as an image file (and, if asked, the state as a
// worksheet) and prints the result list; and plotwerk-cli fonts: the face the canvas text is drawn in.
#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QIODevice>
#include <QString>
#include <cmath>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_gui.h"
#include "cli/cli_scene.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "fktint/fktint.h"
#include "platform/atomic_write.h"
#include "platform/export_error.h"
#include "platform/picture_export.h"
#include "platform/print_page.h"
#include "platform/qt_canvas.h"
#include "platform/worksheet.h"
#include "plot/plotter.h"

namespace plotwerk::cli {

namespace {

constexpr long long kMaxPixels = 100'000'000;

const char kRenderHelp[] =
    "usage: plotwerk-cli render [--width W] [--height H] [--worksheet FILE] [--set NAME=VALUE ...]\n"
    "                           [--view XMIN,XMAX,YMIN,YMAX] [--bmp16] [--page] [--save-worksheet FILE]\n"
    "                           --out FILE\n"
    "Draws the picture the main window shows for the given controls and writes it to FILE.\n"
    "  --width W       width of the drawing area in pixels (default 846)\n"
    "  --height H      height of the drawing area in pixels (default 597)\n"
    "  --worksheet FILE  starts from the state saved in a worksheet (.plotwerk); --set and\n"
    "                  --view go on top of it\n"
    "  --set NAME=VALUE  sets a control (repeatable): edit fields take text (ed_f1=X^2),\n"
    "                  check boxes, radio buttons and menu items 0 or 1 (c_f2=1, m_raster=0),\n"
    "                  UpDown1 the graph width; c_ergebnisliste=1 shows the result memo\n"
    "                  unless Mergebnis_visible is set explicitly\n"
    "  --view XMIN,XMAX,YMIN,YMAX  the visible window of the plane instead of the basic\n"
    "                  setting (x from -6 to 6, y with the same scale)\n"
    "  --out FILE      the picture file, written completely or not at all; its extension\n"
    "                  chooses the format: .bmp (screen colours), .gif (216 colours),\n"
    "                  .wmf and .emf (Enhanced Metafile), .png, .svg, .pdf\n"
    "  --bmp16         write a .bmp with 16 colours\n"
    "  --page          write the printable page instead (FILE must end in .pdf): A4 with the\n"
    "                  worksheet's name (or \"Plotwerk\") as title, the picture, the terms in\n"
    "                  their colours and the result list; the value table on further pages\n"
    "  --save-worksheet FILE  also saves the state drawn as a worksheet; the picture and the\n"
    "                  worksheet are written both or neither\n"
    "  --help          this text\n"
    "The result list is printed to standard output, one line each.\n";

int Fail(const std::string& message) { return FailCommand("render", message); }

}  // namespace

// Writes the rendered picture in `format`: the raster formats from the image, the vector
// formats by drawing the picture again on a vector canvas with the same mapping.
// Both files are written beside their targets first (the worksheet, small, before the picture)
// and replace them only when both are complete: both or neither.
static void WriteRenderedPicture(const QImage& image, const std::string& path, platform::PictureFormat format,
                                 plot::Plotter& plotter, plot::Controls& controls, const std::string& worksheet_path,
                                 const std::string& worksheet_json, const QByteArray* page_pdf) {
  const platform::PictureSource source{image, image.width(), image.height(),
                                       [&](plot::Canvas& canvas) { plotter.DrawPicture(canvas, controls); }};
  std::optional<platform::PreparedFile> worksheet;
  if (!worksheet_path.empty()) {
    worksheet.emplace(worksheet_path, [&](platform::ByteSink& sink) {
      sink.Write(worksheet_json.data(), worksheet_json.size());
    });
  }
  platform::PreparedFile picture(path, [&](platform::ByteSink& sink) {
    if (page_pdf) {
      sink.Write(page_pdf->constData(), static_cast<std::size_t>(page_pdf->size()));
    } else {
      platform::WritePicture(sink, format, source);
    }
  });
  picture.Commit();
  if (worksheet) worksheet->Commit();
}

namespace {

// What the render command was asked for, beside the scene.
struct RenderRequest {
  SceneOptions scene;
  std::string out;
  std::string save_worksheet;
  bool bmp16 = false;
  bool page = false;
  platform::PictureFormat format = platform::PictureFormat::Bmp;
};

// Reads and checks the options and the worksheet they start from; an exit code when the command
// ends here (help, a usage error, a state that could not be saved).
std::optional<int> ReadRenderRequest(const std::vector<std::string>& args, RenderRequest& request) {
  SceneOptions& scene = request.scene;
  auto own = [&](const std::vector<std::string>& words, std::size_t& i, std::string& error) {
    const std::string& a = words[i];
    if (a == "--bmp16" || a == "--page") {
      (a == "--page" ? request.page : request.bmp16) = true;
      return SceneOption::Taken;
    }
    if (a != "--out" && a != "--save-worksheet") return SceneOption::NotMine;
    if (i + 1 >= words.size()) {
      error = "option " + a + " needs a value";
      return SceneOption::Invalid;
    }
    (a == "--out" ? request.out : request.save_worksheet) = words[++i];
    return SceneOption::Taken;
  };
  if (const std::optional<int> done = ReadDrawingOptions("render", kRenderHelp, args, scene, own)) return *done;
  const std::string& out = request.out;
  if (out.empty()) return Fail("--out FILE is required (see --help)");
  const std::optional<platform::PictureFormat> format = platform::FormatForFileName(out, request.bmp16);
  if (!format) return Fail("--out FILE must end in .bmp, .gif, .wmf, .emf, .png, .svg or .pdf, not '" + out + "'");
  request.format = *format;
  if (request.bmp16 && format != platform::PictureFormat::Bmp16) return Fail("--bmp16 needs a .bmp file");
  if (request.page && format != platform::PictureFormat::Pdf) return Fail("--page needs a .pdf file");
  if (static_cast<long long>(scene.width) * scene.height > kMaxPixels) return Fail("the picture is too large");

  if (!ApplySceneWorksheet(scene, "render")) return 1;
  if (!request.save_worksheet.empty()) {
    // Refuse before drawing what could not be opened again.
    if (const std::optional<plot::Unsavable> problem = plot::WhyUnsavable(scene.controls, scene.view)) {
      return Fail(problem->in_view ? "cannot save this view in a worksheet: " + problem->why
                                   : "cannot save this state as a worksheet: " + problem->why);
    }
  }
  return std::nullopt;
}

// The printable page as PDF bytes, or nothing when it could not be made (the reason is printed).
// The page draws the picture again on its own, which rebuilds the result list for the page; the
// picture is drawn once more so the list printed afterwards is the usual one.
std::optional<QByteArray> RenderPage(plot::Plotter& plotter, SceneOptions& scene, QImage& image) {
  const int width = scene.width;
  const int height = scene.height;
  const QString title = scene.worksheet.empty()
                            ? QString()
                            : QFileInfo(QString::fromLocal8Bit(scene.worksheet.c_str())).completeBaseName();
  QByteArray page_pdf;
  try {
    page_pdf = platform::RenderPagePdf(platform::MakePageContent(plotter, scene.controls, title, width, height));
  } catch (const platform::ExportError& e) {
    std::fprintf(stderr, "plotwerk-cli render: %s\n", e.what());
    return std::nullopt;
  }
  platform::QtCanvas canvas(image);
  plotter.Redraw(canvas, width, height, scene.controls);
  return page_pdf;
}

}  // namespace

static int RunRender(const std::vector<std::string>& args) {
  RenderRequest request;
  if (const std::optional<int> done = ReadRenderRequest(args, request)) return *done;
  SceneOptions& scene = request.scene;

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
  QByteArray page_pdf;
  if (request.page) {
    std::optional<QByteArray> rendered = RenderPage(plotter, scene, image);
    if (!rendered) return 1;
    page_pdf = std::move(*rendered);
  }
  std::string worksheet_json;
  if (!request.save_worksheet.empty()) {
    try {
      worksheet_json = plot::WorksheetToJson({scene.controls, plotter.View(), plotter.Params().p, plotter.Params().q});
    } catch (const plot::WorksheetError& e) {
      std::fprintf(stderr, "plotwerk-cli render: cannot save worksheet %s: %s\n", request.save_worksheet.c_str(),
                   e.what());
      return 1;
    }
  }
  try {
    // File names are the arguments' bytes, whatever the locale.
    WriteRenderedPicture(image, request.out, request.format, plotter, scene.controls, request.save_worksheet,
                         worksheet_json, request.page ? &page_pdf : nullptr);
  } catch (const platform::ExportError& e) {
    std::fprintf(stderr, "plotwerk-cli render: %s\n", e.what());
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
     "plotwerk-cli render [--width W] [--height H] [--worksheet FILE] [--set NAME=VALUE ...] "
     "[--view XMIN,XMAX,YMIN,YMAX] [--bmp16] [--page] [--save-worksheet FILE] --out FILE",
     RunRender}};
static const CommandRegistration kFonts{{"fonts", "plotwerk-cli fonts", RunFonts}};

}  // namespace plotwerk::cli
