// plotwerk-cli command check: whether a term reads, and where the first problem is.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "fktint/term_check.h"

namespace plotwerk::cli {

namespace {

// The message's bytes are code page 1252; the terminal wants UTF-8.
std::string Latin1ToUtf8(const std::string& text) {
  std::string out;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// Prints "ok" (exit 0), followed by "read as TERM" when the term has implicit products, or
// "POSITION: MESSAGE" (exit 1).
int RunCheck(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("check");
  const fktint::TermCheck check = fktint::CheckTerm(ArgumentToTerm(args[0]));
  if (check.ok()) {
    std::printf("ok\n");
    // A term with implicit products: how it was read, with every "*" written.
    if (!check.read_as.empty()) std::printf("read as %s\n", Latin1ToUtf8(check.read_as).c_str());
    return 0;
  }
  std::printf("%zu: %s\n", check.position,
              Latin1ToUtf8(fktint::DescribeTermCheck(check)).c_str());
  return 1;
}

const CommandRegistration kCheck{{"check", "plotwerk-cli check TERM", &RunCheck}};

}  // namespace

}  // namespace plotwerk::cli
