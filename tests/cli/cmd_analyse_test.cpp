// plotwerk-cli analyse run as a child process: the result list only, and its option errors.
#include <gtest/gtest.h>

#include <string>

#include "cli_run.h"
#include "plot/field_length.h"

namespace plotwerk::cli {
namespace {

using testing::RunCli;
using testing::ShellQuote;

TEST(AnalyseCommand, PrintsTheResultListOfTheRedraw) {
  const auto result = RunCli("analyse --set ed_f1=" + ShellQuote("x^3-3*x") +
                             " --set c_nullstellen=1 --set c_extrema=1 --set c_integral=1 --set ed_B=2");
  EXPECT_EQ(result.exit_code, 0) << result.err;
  // Zeros -sqrt 3, 0, sqrt 3; extrema at -1 and 1; over [1, 2] the integral of x^3-3x is -3/4
  // and its area, split at the zero sqrt 3, is 5/4.
  const std::string expected =
      "Function Y = X^3-3*X\n"
      "Domain (-6 | 6)\n"
      "1st derivative\n"
      "Y = 3*X^2-3\n"
      "2nd derivative\n"
      "Y = 6*X\n"
      "Area under f1 between (1 | 2)\n"
      "\t1,25\n"
      "Definite integral f1 between (1 | 2)\n"
      "\t-0,75\n"
      "Zeros\n\t-1,73\n\t0\n\t1,73\n"
      "Extrema\n\tMaximum\t(-1;2)\n\tMinimum\t(1;-2)\n";
  EXPECT_EQ(result.out, expected);
}

TEST(AnalyseCommand, ResultListCheckBoxShowsTheMemoUnlessItsVisibilityIsSet) {
  const std::string table = "--set c_wertetabelle=1 --set ed_f1=X";
  const struct {
    std::string settings;
    bool has_table;
  } cases[] = {
      {"", false},
      {"--set c_ergebnisliste=1", true},
      {"--set c_ergebnisliste=1 --set Mergebnis_visible=0", false},
      {"--set Mergebnis_visible=0 --set c_ergebnisliste=1", false},
      {"--set Mergebnis_visible=1", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    const auto result = RunCli("analyse " + table + " " + c.settings);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out.find("Value table\n") != std::string::npos, c.has_table) << result.out;
  }
}

TEST(AnalyseCommand, TermFieldsTakeAsManyCharactersAsTheWindowsFields) {
  std::string fits = "X";
  while (fits.size() + 2 <= static_cast<std::size_t>(plot::kMaxFieldLength)) fits += "+X";
  EXPECT_EQ(RunCli("analyse --set ed_f1=" + fits).exit_code, 0);
  const auto too_long = RunCli("analyse --set ed_f2=" + fits + "+X");
  EXPECT_EQ(too_long.exit_code, 2);
  EXPECT_NE(too_long.err.find("ed_f2 takes at most " + std::to_string(plot::kMaxFieldLength) + " characters"),
            std::string::npos)
      << too_long.err;
}

TEST(AnalyseCommand, RejectsBadOptions) {
  EXPECT_EQ(RunCli("analyse --set nosuch=1").exit_code, 2);
  EXPECT_EQ(RunCli("analyse --width 0").exit_code, 2);
  EXPECT_EQ(RunCli("analyse --view 1,0,0,1").exit_code, 2);
  EXPECT_EQ(RunCli("analyse --frobnicate").exit_code, 2);
  EXPECT_EQ(RunCli("analyse --help").exit_code, 0);
}

}  // namespace
}  // namespace plotwerk::cli
