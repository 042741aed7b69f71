// The check command: "ok" or "POSITION: MESSAGE", and its exit codes.
#include <gtest/gtest.h>

#include "tests/cli/cli_run.h"

namespace plotwerk::cli {
namespace {

using testing::RunCli;

TEST(CheckCommand, AnswersAndExitCodes) {
  struct Case {
    const char* args;
    int exit_code;
    const char* out;
  };
  const Case cases[] = {
      {"check 'x*sin(x+p)'", 0, "ok\n"},
      {"check 2px^2", 0, "ok\nread as 2*P*X^2\n"},
      {"check X2", 1, "2: unexpected character '2'\n"},
      {"check 1E3", 1, "1: no exponent notation: write 1*10^3 for '1E3'\n"},
      {"check 'X)*2'", 1, "2: unmatched ')'\n"},
      {"check 'abc(x)'", 1, "1: unknown function name 'ABC'\n"},
      {"check ''", 1, "1: empty term\n"},
      {"check X+\xC3\xBC", 1, "3: unexpected character '\xC3\xBC'\n"},  // ü, back in UTF-8
      {"check", 2, ""},
      {"check X X", 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const auto result = RunCli(c.args);
    EXPECT_EQ(result.exit_code, c.exit_code);
    EXPECT_EQ(result.out, c.out);
  }
}

}  // namespace
}  // namespace plotwerk::cli
