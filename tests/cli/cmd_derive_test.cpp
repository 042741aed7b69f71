// The derive and rules commands: one derivative per line, and the table check.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/cli_run.h"

namespace plotwerk::cli {
namespace {

using testing::RunCli;
using testing::ShellQuote;

TEST(DeriveCommand, PrintsOneDerivativeLine) {
  const auto first = RunCli("derive " + ShellQuote("x*sin(x+p)"));
  EXPECT_EQ(first.exit_code, 0);
  EXPECT_EQ(first.out, "SIN(X+P)+X*COS(X+P)\n");
  EXPECT_EQ(RunCli("derive --raw " + ShellQuote("3*X^4-2*X^2+1")).out, "3*4*X^3-2*2*X\n");
  EXPECT_EQ(RunCli("derive " + ShellQuote("3*X^4-2*X^2+1")).out, "12*X^3-4*X\n");
  // The tidied form as an exercise book prints it; --raw keeps the untidied text.
  EXPECT_EQ(RunCli("derive " + ShellQuote("X^2/(X+1)/(X-1)")).out, "-2*X/(X^2-1)^2\n");
  EXPECT_EQ(RunCli("derive --raw " + ShellQuote("(X+1)*(X-1)")).out, "(X-1)+(X+1)\n");
}

TEST(DeriveCommand, NoDerivativeSaysWhyAndFails) {
  const struct {
    std::string term;
    const char* reason;
  } cases[] = {
      {"***", "cannot be read (position 1: "},
      {"X)1", "cannot be read (position 2: "},
      {"SI(X)", "SI"},
      {[] {
         std::string t;
         for (int i = 0; i < 400; ++i) t = "SIN(" + t;
         return t + "X" + std::string(400, ')');
       }(),
       "nested"},
      {[] {
         std::string t;
         for (int i = 0; i < 1999; ++i) t += "X+";
         return t + "X";
       }(),
       "more than 300 nested subterms"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.term.substr(0, 20));
    const auto none = RunCli("derive " + ShellQuote(c.term));
    EXPECT_EQ(none.exit_code, 1);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("plotwerk-cli derive: no derivative: "), std::string::npos) << none.err;
    EXPECT_NE(none.err.find(c.reason), std::string::npos) << none.err;
  }
}

TEST(DeriveCommand, BatchAnswersEveryLine) {
  const std::string input = "X^2\nSIN(X)^2\n\nSI(X)\r\n(X^2+1)/(X-1)\n";
  const auto tidy = RunCli("derive --batch", input);
  EXPECT_EQ(tidy.exit_code, 0);
  EXPECT_EQ(tidy.out, "2*X\nSIN(2*X)\n\n\n(X^2-2*X-1)/(X-1)^2\n");
  EXPECT_EQ(RunCli("derive --batch --raw", "SIN(X)^2\n").out, "2*SIN(X)*COS(X)\n");
}

TEST(DeriveCommand, WrongUsage) {
  EXPECT_EQ(RunCli("derive").exit_code, 2);
  EXPECT_EQ(RunCli("derive X Y").exit_code, 2);
  EXPECT_EQ(RunCli("derive --batch X").exit_code, 2);
  EXPECT_EQ(RunCli("rules").exit_code, 2);
}

TEST(RulesCommand, ChecksTheEmbeddedTable) {
  const auto check = RunCli("rules --check");
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(check.out, "455\n");
  EXPECT_EQ(check.err, "");
}

}  // namespace
}  // namespace plotwerk::cli
