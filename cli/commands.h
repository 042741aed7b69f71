// The command registry of plotwerk-cli: every cmd_*.cpp registers its commands with a static
// CommandRegistration, so adding a command touches no other file.
#pragma once

#include <string>
#include <vector>

namespace plotwerk::cli {

// Runs a command; args are the words after the command name. Returns the exit code
// (0 success, 2 wrong usage).
using CommandFunction = int (*)(const std::vector<std::string>& args);

struct Command {
  const char* name;
  const char* usage;  // one line, "plotwerk-cli NAME ..."
  CommandFunction run;
};

struct CommandRegistration {
  explicit CommandRegistration(const Command& command);
};

const std::vector<Command>& RegisteredCommands();

// Prints the command's usage line to stderr and returns exit code 2.
int UsageError(const char* name);

}  // namespace plotwerk::cli
