// Entry of plotwerk-cli: dispatches to the registered command named by the first argument.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "commands.h"

namespace plotwerk::cli {

static std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

CommandRegistration::CommandRegistration(const Command& command) { Registry().push_back(command); }

const std::vector<Command>& RegisteredCommands() {
  auto& commands = Registry();
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
  return commands;
}

int UsageError(const char* name) {
  for (const Command& command : RegisteredCommands()) {
    if (std::strcmp(command.name, name) == 0) {
      std::fprintf(stderr, "usage: %s\n", command.usage);
      return 2;
    }
  }
  std::fprintf(stderr, "usage: plotwerk-cli COMMAND ...\n");
  return 2;
}

static void PrintCommandList(std::FILE* out) {
  std::fprintf(out, "usage: plotwerk-cli COMMAND ...\ncommands:\n");
  for (const Command& command : RegisteredCommands()) std::fprintf(out, "  %s\n", command.usage);
}

// Every command's output counts only when it reached its file: standard output is flushed and
// closed here, and a failure (a full disk, a closed pipe, /dev/full) turns the exit code into 1
// with a message on standard error, which is checked the same way.
static int Finish(int code) {
  const bool out_ok = std::fflush(stdout) == 0 && !std::ferror(stdout);
  const int out_errno = errno;
  const bool out_closed = std::fclose(stdout) == 0;
  if (!out_ok || !out_closed) {
    std::fprintf(stderr, "plotwerk-cli: cannot write standard output: %s\n",
                 std::strerror(out_ok ? errno : out_errno));
    code = 1;
  }
  if (std::fflush(stderr) != 0 || std::ferror(stderr)) code = 1;
  return code;
}

}  // namespace plotwerk::cli

static int Run(int argc, char** argv) {
  using namespace plotwerk::cli;
  if (argc < 2) {
    PrintCommandList(stderr);
    return 2;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("plotwerk-cli %s\n", PLOTWERK_VERSION);
    return 0;
  }
  if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
    PrintCommandList(stdout);
    return 0;
  }
  for (const Command& command : RegisteredCommands()) {
    if (std::strcmp(command.name, argv[1]) == 0) {
      return command.run(std::vector<std::string>(argv + 2, argv + argc));
    }
  }
  std::fprintf(stderr, "plotwerk-cli: unknown command '%s'\n", argv[1]);
  PrintCommandList(stderr);
  return 2;
}

int main(int argc, char** argv) { return plotwerk::cli::Finish(Run(argc, argv)); }
