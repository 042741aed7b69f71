// The options the drawing commands share, read from the words of the command line. Qt-free,
// so that the option fuzz target can run it alone.
#include <charconv>

#include "cli/cli_scene.h"
#include "cli/cli_text.h"
#include "plot/controls_names.h"
#include "plot/field_length.h"

namespace plotwerk::cli {

namespace {

// Sets *out only to a side that is accepted: a refused value never stays in the options.
bool ParseAreaSide(const std::string& text, int* out) {
  int side = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), side);
  if (ec != std::errc() || end != text.data() + text.size() || side < 1 || side > kMaxAreaSide) return false;
  *out = side;
  return true;
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

}  // namespace

SceneOption TakeSceneOption(const std::vector<std::string>& args, std::size_t& i, SceneOptions& scene,
                            std::string& error) {
  const std::string& a = args[i];
  if (a != "--width" && a != "--height" && a != "--set" && a != "--view" && a != "--worksheet") {
    return SceneOption::NotMine;
  }
  if (i + 1 >= args.size()) {
    error = "option " + a + " needs a value";
    return SceneOption::Invalid;
  }
  const std::string& value = args[++i];
  if (a == "--width" || a == "--height") {
    if (!ParseAreaSide(value, a == "--width" ? &scene.width : &scene.height)) {
      error = a + " takes a whole number from 1 to " + std::to_string(kMaxAreaSide) + ", not '" + value + "'";
      return SceneOption::Invalid;
    }
  } else if (a == "--set") {
    const std::size_t eq = value.find('=');
    if (eq == std::string::npos) {
      error = "--set takes NAME=VALUE, not '" + value + "'";
      return SceneOption::Invalid;
    }
    const std::string name = value.substr(0, eq);
    // Edit fields hold code page 1252 text in upper case, as the window's fields do.
    std::string text = value.substr(eq + 1);
    if (name.rfind("ed_", 0) == 0) {
      text = ArgumentToTerm(text);
      if (text.size() > static_cast<std::size_t>(plot::kMaxFieldLength)) {
        error = "--set " + name + " takes at most " + std::to_string(plot::kMaxFieldLength) +
                " characters, as the window's fields do, not " + std::to_string(text.size());
        return SceneOption::Invalid;
      }
    }
    if (!plot::SetControl(scene.controls, name, text, &error)) return SceneOption::Invalid;
    if (name == "Mergebnis_visible") scene.memo_visibility_set = true;
    scene.sets.emplace_back(name, text);
  } else if (a == "--worksheet") {
    if (!scene.worksheet.empty()) {
      error = "only one --worksheet";
      return SceneOption::Invalid;
    }
    scene.worksheet = value;
  } else {
    plot::PlotView view;
    if (!ParseView(value, &view)) {
      error = "--view takes XMIN,XMAX,YMIN,YMAX with XMIN < XMAX and YMIN < YMAX, not '" + value + "'";
      return SceneOption::Invalid;
    }
    scene.view = view;
  }
  return SceneOption::Taken;
}

}  // namespace plotwerk::cli
