// The options the drawing commands share, and the preparation and output they have in common.
#include "cli/cli_scene.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "cli/cli_text.h"
#include "fktint/fktint.h"
#include "fktint/text_encoding.h"
#include "platform/emf_canvas.h"
#include "platform/worksheet.h"
#include "plot/field_length.h"
#include "plot/controls_names.h"

namespace plotwerk::cli {

namespace {

// As in the window, "Result List" shows or hides the memo: a c_ergebnisliste given with --set
// (or the start value, without a worksheet) decides Mergebnis_visible unless that is set too.
void FollowResultListCheckBox(SceneOptions& scene) {
  if (scene.memo_visibility_set) return;
  const bool given = scene.worksheet.empty() ||
                     std::any_of(scene.sets.begin(), scene.sets.end(),
                                 [](const auto& set) { return set.first == "c_ergebnisliste"; });
  if (given) scene.controls.result_memo_visible = scene.controls.result_list;
}

}  // namespace

bool ApplySceneWorksheet(SceneOptions& scene, const char* command) {
  if (scene.worksheet.empty()) {
    FollowResultListCheckBox(scene);
    return true;
  }
  std::vector<std::string> warnings;
  platform::Worksheet worksheet;
  try {
    // The name's bytes as given, whatever the locale (names on shares need not be UTF-8).
    worksheet = platform::ReadWorksheet(scene.worksheet, &warnings);
  } catch (const platform::WorksheetError& e) {
    std::fprintf(stderr, "plotwerk-cli %s: cannot open worksheet %s: %s\n", command, scene.worksheet.c_str(),
                 e.what());
    return false;
  }
  for (const std::string& warning : warnings) {
    std::fprintf(stderr, "plotwerk-cli %s: warning: %s: %s\n", command, scene.worksheet.c_str(), warning.c_str());
  }
  scene.controls = worksheet.controls;
  for (const auto& [name, value] : scene.sets) plot::SetControl(scene.controls, name, value, nullptr);
  if (!scene.view) scene.view = worksheet.view;
  scene.param_p = worksheet.param_p;
  scene.param_q = worksheet.param_q;
  FollowResultListCheckBox(scene);
  return true;
}

int FailCommand(const char* command, const std::string& message) {
  std::fprintf(stderr, "plotwerk-cli %s: %s\n", command, message.c_str());
  return 2;
}

std::optional<int> ReadDrawingOptions(const char* command, const char* help,
                                      const std::vector<std::string>& args, SceneOptions& scene,
                                      const OwnOption& own) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help") {
      std::fputs(help, stdout);
      return 0;
    }
    std::string error;
    SceneOption taken = TakeSceneOption(args, i, scene, error);
    if (taken == SceneOption::NotMine && own) taken = own(args, i, error);
    switch (taken) {
      case SceneOption::Taken:
        continue;
      case SceneOption::Invalid:
        return FailCommand(command, error);
      case SceneOption::NotMine:
        return FailCommand(command, "unknown option '" + args[i] + "' (see --help)");
    }
  }
  return std::nullopt;
}

void PrepareScene(plot::Plotter& plotter, SceneOptions& scene) {
  plot::Parameters parameters = plotter.Params();
  if (scene.param_p) parameters.p = *scene.param_p;
  if (scene.param_q) parameters.q = *scene.param_q;
  plotter.SetParameters(parameters);
  if (scene.view) {
    plotter.SetView(*scene.view);
  } else {
    plotter.ApplyBasicSetting(scene.width, scene.height);
  }
  plotter.DrawCommand(scene.controls);
}

void PrintResultList(const plot::Plotter& plotter) {
  for (const std::string& line : plotter.Results().Lines()) std::printf("%s\n", fktint::Cp1252ToUtf8(line).c_str());
}

}  // namespace plotwerk::cli
