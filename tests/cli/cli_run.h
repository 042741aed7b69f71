// Runs plotwerk-cli as a child process for the command tests and collects what it prints.
#pragma once

#include <sys/wait.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace plotwerk::cli::testing {

struct CliResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Quotes one word for /bin/sh.
inline std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A path in the test's temporary folder that no other test process uses: prefix_pid_name.
inline std::string TempPath(const std::string& prefix, const std::string& name) {
  return ::testing::TempDir() + prefix + "_" + std::to_string(::getpid()) + "_" + name;
}

inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// args are quoted; stdin_text goes to the child's standard input.
inline CliResult RunCli(const std::string& args, const std::string& stdin_text = "") {
  const std::string base = ::testing::TempDir() + "cli_run_" + std::to_string(::getpid());
  {
    std::ofstream in(base + ".in", std::ios::binary);
    in << stdin_text;
  }
  const std::string command = std::string(PLOTWERK_CLI_PATH) + " " + args + " <" + base + ".in >" +
                              base + ".out 2>" + base + ".err";
  const int status = std::system(command.c_str());
  CliResult result;
  result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadWholeFile(base + ".out");
  result.err = ReadWholeFile(base + ".err");
  return result;
}

}  // namespace plotwerk::cli::testing
