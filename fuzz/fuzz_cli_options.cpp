// Fuzz target for the command line's drawing options: the input is split at NUL bytes into
// words and read as render and analyse read them. A crash, sanitizer report or broken
// invariant (trap) is a finding: every option is taken, refused with a reason, or not ours.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/cli_scene.h"
#include "cli/cli_text.h"
#include "fuzz/fuzz_check.h"
#include "plot/controls_names.h"

namespace {

namespace cli = plotwerk::cli;
using plotwerk::fuzz::Check;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> words(1);
  for (std::size_t k = 0; k < size && words.size() < 64; ++k) {
    if (data[k] == 0) {
      words.emplace_back();
    } else {
      words.back() += static_cast<char>(data[k]);
    }
  }
  cli::SceneOptions scene;
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string error;
    const std::size_t before = i;
    switch (cli::TakeSceneOption(words, i, scene, error)) {
      case cli::SceneOption::Taken:
        Check(i == before + 1 && i < words.size());
        break;
      case cli::SceneOption::Invalid:
        Check(!error.empty());
        break;
      case cli::SceneOption::NotMine:
        Check(i == before);
        break;
    }
  }
  Check(scene.width >= 1 && scene.width <= cli::kMaxAreaSide && scene.height >= 1 &&
        scene.height <= cli::kMaxAreaSide);
  Check(!scene.view || (scene.view->x_min < scene.view->x_max && scene.view->y_min < scene.view->y_max));
  // The numbers of eval and format.
  double value = 0;
  unsigned whole = 0;
  for (const std::string& word : words) {
    cli::ParseDouble(word, value);
    cli::ParseUnsigned(word, 99, whole);
    Check(whole <= 99);
  }
  return 0;
}
