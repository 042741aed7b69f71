// The eval, number and format commands: their output is a contract other tools read.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "cli/cli_text.h"
#include "tests/cli/cli_run.h"

namespace plotwerk::cli {
namespace {

using testing::RunCli;
using testing::ShellQuote;

TEST(ArgumentToTerm, Latin1CodePointsBecomeBytesOthersPassThrough) {
  EXPECT_EQ(ArgumentToTerm("x*sin(x+p)"), "X*SIN(X+P)");
  EXPECT_EQ(ArgumentToTerm("2\xC2\xB7x"), "2\xB7X");        // U+00B7 middle dot
  EXPECT_EQ(ArgumentToTerm("\xC3\x89"), "\xC9");            // U+00C9 É
  EXPECT_EQ(ArgumentToTerm("1\xC3\xA9" "5"), "1\xE9" "5");  // é is no ASCII letter: stays small
  EXPECT_EQ(ArgumentToTerm("\xE2\x82\xAC"), "\xE2\x82\xAC");  // U+20AC: bytes unchanged
  EXPECT_EQ(ArgumentToTerm("\xC3"), "\xC3");                 // cut sequence: unchanged
  EXPECT_EQ(ArgumentToTerm("\xC3x"), "\xC3X");
  EXPECT_EQ(ArgumentToTerm("\xC1\x81"), "\xC1\x81");         // overlong form of "A": unchanged
  EXPECT_EQ(ArgumentToTerm(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(ParseDouble, WholeTextOnly) {
  double value = 0;
  EXPECT_TRUE(ParseDouble("-1.5", value));
  EXPECT_EQ(value, -1.5);
  EXPECT_TRUE(ParseDouble(" +2e3 ", value));
  EXPECT_EQ(value, 2000);
  EXPECT_TRUE(ParseDouble("nan", value));
  EXPECT_TRUE(std::isnan(value));
  for (const char* bad : {"", " ", "1.5x", "1,5", "--1", "x"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseDouble(bad, value));
  }
  unsigned number = 0;
  EXPECT_TRUE(ParseUnsigned("255", 255, number));
  EXPECT_EQ(number, 255u);
  EXPECT_FALSE(ParseUnsigned("256", 255, number));
  EXPECT_FALSE(ParseUnsigned("-1", 255, number));
}

TEST(EvalCommand, OneLinePerXWithValueTabCode) {
  const auto result = RunCli("eval " + ShellQuote("x*sin(x+p)") + " 1 2 --p 0.5");
  EXPECT_EQ(result.exit_code, 0);
  char expected[128];
  std::snprintf(expected, sizeof expected, "%.17g\t0\n%.17g\t0\n", 1 * std::sin(1.5),
                2 * std::sin(2.5));
  EXPECT_EQ(result.out, expected);
  EXPECT_EQ(RunCli("eval 1/0 0 --q 3").out, "10000000000\t2\n");
  EXPECT_EQ(RunCli("eval Q 0 --q -0.25").out, "-0.25\t0\n");
  EXPECT_EQ(RunCli("eval X -1 nan inf").out, "-1\t0\n0\t1\n0\t3\n");
  EXPECT_EQ(RunCli("eval " + ShellQuote("int(x)") + " 2.7").out, "2\t3\n");
  EXPECT_EQ(RunCli("eval " + ShellQuote("2\xC2\xB7\xC3\x89") + " 0").out, "5.4365636569180902\t0\n");
}

TEST(EvalCommand, Batch) {
  const auto result = RunCli("eval --batch",
                             "X^2\t3\n"
                             "X*P+Q\t2\t3\t4\r\n"
                             "sin(x)\t0\n"
                             "X\tnot a number\n"
                             "F1(X)\t1\t\t\n"
                             "\n"
                             "P\t1\t2\t3\t4\n"
                             "1/X\t0");
  EXPECT_EQ(result.exit_code, 1);  // malformed lines are answered and reported
  EXPECT_EQ(result.out, "9\t0\n10\t0\n0\t0\n0\t1\n0\t1\n0\t1\n0\t1\n10000000000\t2\n");
  EXPECT_NE(result.err.find("3 line(s)"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("line 4"), std::string::npos) << result.err;

  std::string input;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    input += "X+P\t" + std::to_string(i) + "\t0.5\n";
    char line[64];
    std::snprintf(line, sizeof line, "%.17g\t0\n", i + 0.5);
    expected += line;
  }
  const auto many = RunCli("eval --batch", input);
  EXPECT_EQ(many.exit_code, 0);
  EXPECT_EQ(many.out, expected);
}

TEST(NumberCommand, PrintsTheFieldValue) {
  EXPECT_EQ(RunCli("number 2,5").out, "2.5\n");
  EXPECT_EQ(RunCli("number pi").out, "3.1415926535897931\n");
  EXPECT_EQ(RunCli("number " + ShellQuote("2*p") + " --p 1.5").out, "3\n");
  EXPECT_EQ(RunCli("number " + ShellQuote("int(2.5)")).out, "0\n");
  EXPECT_EQ(RunCli("number ''").out, "0\n");
}

TEST(FormatCommand, PrintsTheDisplayText) {
  EXPECT_EQ(RunCli("format 1 2 -1.5").out, "-1,5\n");
  EXPECT_EQ(RunCli("format 4 3 0.25").out, "0,25\n");
  EXPECT_EQ(RunCli("format 1 0 100").out, "100\n");
  EXPECT_EQ(RunCli("format 6 2 2.5").out, "  2,5\n");
}

TEST(Commands, WrongUsageIsOneLineOnStderrAndExitTwo) {
  for (const char* args : {"eval", "eval X", "eval X abc", "eval X 1 --p", "eval X 1 --p q",
                           "eval --batch X", "eval X 1 --batch", "number", "number 1 2", "format 1 2",
                           "format -1 2 3", "format 1 256 3", "format 1 2 x"}) {
    SCOPED_TRACE(args);
    const auto result = RunCli(args);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("usage: plotwerk-cli ", 0), 0u) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1);
  }
}

}  // namespace
}  // namespace plotwerk::cli
