// plotwerk-cli command check: whether a term reads, and where the first problem is.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_text.h"
#include "cli/commands.h"
#include "fktint/term_check.h"
#include "fktint/text_encoding.h"

namespace plotwerk::cli {

namespace {

// Prints "ok" (exit 0), followed by "read as TERM" when the term has implicit products, or
// "POSITION: MESSAGE" (exit 1).
int RunCheck(const std::vector<std::string>& args) {
  if (args.size() != 1) return UsageError("check");
  const fktint::TermCheck check = fktint::CheckTerm(ArgumentToTerm(args[0]));
  if (check.ok()) {
    std::printf("ok\n");
    // A term with implicit products: how it was read, with every "*" written.
    if (!check.read_as.empty()) std::printf("read as %s\n", fktint::Latin1ToUtf8(check.read_as).c_str());
    return 0;
  }
  std::printf("%zu: %s\n", check.position,
              fktint::Latin1ToUtf8(fktint::DescribeTermCheck(check)).c_str());
  return 1;
}

const CommandRegistration kCheck{{"check", "plotwerk-cli check TERM", &RunCheck}};

}  // namespace

}  // namespace plotwerk::cli
