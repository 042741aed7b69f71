// plotwerk-cli analyse: runs the redraw of a Controls snapshot (defaults plus --set pairs) on a
// canvas that draws nothing and prints only the result list, so the analysis of the first
// term can be checked without pixels.
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "platform/emf_canvas.h"
#include "plot/canvas.h"
#include "plot/controls_names.h"
#include "plot/plotter.h"

namespace plotwerk::cli {

namespace {

// The drawing area of the window at start, memo hidden (as render).
constexpr int kDefaultWidth = 846;
constexpr int kDefaultHeight = 597;
constexpr int kMaxSide = 20000;
// Text metrics of the discarding canvas: Verdana 9 pt is about this size per character.
constexpr int kCharWidth = 7;
constexpr int kTextHeight = 14;

const char kAnalyseHelp[] =
    "usage: plotwerk-cli analyse [--width W] [--height H] [--set NAME=VALUE ...]\n"
    "                            [--view XMIN,XMAX,YMIN,YMAX]\n"
    "Runs the redraw the main window makes for the given controls without drawing pixels and\n"
    "prints the result list, one line each (TAB between columns, decimal commas).\n"
    "  --width W, --height H  the drawing area in pixels (default 846 x 597)\n"
    "  --set NAME=VALUE  sets a control (repeatable), e.g. c_nullstellen=1 c_extrema=1\n"
    "                  c_wendepunkte=1 c_schnittpunkte=1 c_integral=1 ed_f1=X^2-2;\n"
    "                  the value table needs c_wertetabelle=1 and Mergebnis_visible=1\n"
    "  --view XMIN,XMAX,YMIN,YMAX  the visible window instead of the basic setting\n"
    "  --help          this text\n";

// A canvas that keeps the state and discards every drawing call.
class DiscardingCanvas : public plot::Canvas {
 public:
  void TextOut(std::int32_t, std::int32_t, std::string_view) override {}
  plot::TextSize TextExtent(std::string_view text) override {
    return {static_cast<int>(text.size()) * kCharWidth, kTextHeight};
  }
  void Rectangle(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
  void Polygon(std::span<const plot::Point>) override {}
  plot::Rgb Pixel(std::int32_t, std::int32_t) override { return plot::kWhite; }
  void SetPixel(std::int32_t, std::int32_t, plot::Rgb) override {}

 protected:
  void DrawLine(plot::Point, plot::Point) override {}
};

int Fail(const std::string& message) {
  std::fprintf(stderr, "plotwerk-cli analyse: %s\n", message.c_str());
  return 2;
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
    if (!ParseDouble(part, v[k])) return false;
    start = comma + 1;
  }
  *view = {v[0], v[1], v[2], v[3]};
  return plot::IsValidView(*view);
}

// Code page 1252 bytes to UTF-8 for the terminal.
std::string ToUtf8(std::string_view text) {
  std::string out;
  for (const char ch : text) {
    const char16_t cp = platform::Cp1252ToUnicode(static_cast<unsigned char>(ch));
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

int RunAnalyse(const std::vector<std::string>& args) {
  int width = kDefaultWidth;
  int height = kDefaultHeight;
  plot::Controls controls;
  bool have_view = false;
  plot::PlotView view;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      std::fputs(kAnalyseHelp, stdout);
      return 0;
    }
    if (a != "--width" && a != "--height" && a != "--set" && a != "--view") {
      return Fail("unknown option '" + a + "' (see --help)");
    }
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
      const std::string text = ArgumentToTerm(value.substr(eq + 1));
      std::string error;
      if (!plot::SetControl(controls, name, text, &error)) return Fail(error);
    } else {
      if (!ParseView(value, &view)) {
        return Fail("--view takes XMIN,XMAX,YMIN,YMAX with XMIN < XMAX and YMIN < YMAX, not '" + value + "'");
      }
      have_view = true;
    }
  }

  plot::Plotter plotter;
  if (have_view) {
    plotter.SetView(view);
  } else {
    plotter.ApplyBasicSetting(width, height);
  }
  plotter.DrawCommand(controls);
  DiscardingCanvas canvas;
  plotter.Redraw(canvas, width, height, controls);
  for (const std::string& line : plotter.Results().Lines()) std::printf("%s\n", ToUtf8(line).c_str());
  return 0;
}

const CommandRegistration kAnalyse{
    {"analyse",
     "plotwerk-cli analyse [--width W] [--height H] [--set NAME=VALUE ...] [--view XMIN,XMAX,YMIN,YMAX]",
     RunAnalyse}};

}  // namespace

}  // namespace plotwerk::cli
