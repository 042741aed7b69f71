// plotwerk-cli analyse: runs the redraw of a Controls snapshot (defaults or a worksheet, plus
// --set pairs) on a canvas that draws nothing and prints only the result list, so the analysis
// of the first term can be checked without pixels.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_scene.h"
#include "cli/commands.h"
#include "plot/null_canvas.h"
#include "plot/plotter.h"

namespace plotwerk::cli {

namespace {

const char kAnalyseHelp[] =
    "usage: plotwerk-cli analyse [--width W] [--height H] [--worksheet FILE] [--set NAME=VALUE ...]\n"
    "                            [--view XMIN,XMAX,YMIN,YMAX]\n"
    "Runs the redraw the main window makes for the given controls without drawing pixels and\n"
    "prints the result list, one line each (TAB between columns, decimal commas).\n"
    "  --width W, --height H  the drawing area in pixels (default 846 x 597)\n"
    "  --worksheet FILE  starts from the state saved in a worksheet (.plotwerk); --set and\n"
    "                  --view go on top of it\n"
    "  --set NAME=VALUE  sets a control (repeatable), e.g. c_nullstellen=1 c_extrema=1\n"
    "                  c_wendepunkte=1 c_schnittpunkte=1 c_integral=1 ed_f1=X^2-2;\n"
    "                  c_ergebnisliste=1 shows the result memo, as the window's check box\n"
    "                  does, unless Mergebnis_visible is set explicitly; the value table\n"
    "                  needs c_wertetabelle=1 and a visible memo\n"
    "  --view XMIN,XMAX,YMIN,YMAX  the visible window instead of the basic setting\n"
    "  --help          this text\n";

int RunAnalyse(const std::vector<std::string>& args) {
  SceneOptions scene;
  if (const std::optional<int> done = ReadDrawingOptions("analyse", kAnalyseHelp, args, scene)) return *done;
  if (!ApplySceneWorksheet(scene, "analyse")) return 1;
  plot::Plotter plotter;
  PrepareScene(plotter, scene);
  plot::NullCanvas canvas;
  plotter.Redraw(canvas, scene.width, scene.height, scene.controls);
  PrintResultList(plotter);
  return 0;
}

const CommandRegistration kAnalyse{
    {"analyse",
     "plotwerk-cli analyse [--width W] [--height H] [--worksheet FILE] [--set NAME=VALUE ...] "
     "[--view XMIN,XMAX,YMIN,YMAX]",
     RunAnalyse}};

}  // namespace

}  // namespace plotwerk::cli
