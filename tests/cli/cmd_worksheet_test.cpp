// Worksheets on the command line: a saved state renders the same pixels and result list again,
// --set and --view go on top of a worksheet, and a damaged or missing one writes nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "cli_run.h"

namespace plotwerk::cli {
namespace {

using namespace testing;  // RunCli, ShellQuote, ReadWholeFile, TempPath

std::string SheetPath(const std::string& name) { return TempPath("worksheet", name); }

QImage Pixels(const std::string& path) {
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

TEST(CliWorksheet, SavedStateRendersTheSamePicture) {
  const std::string sheet = SheetPath("lesson.plotwerk");
  const std::string a = SheetPath("a.png"), b = SheetPath("b.png");
  const auto first = RunCli(
      "render --width 500 --height 400 --set ed_f1=x^3/4-x --set c_f2=1 --set c_nullstellen=1 --set c_extrema=1 "
      "--set c_punktA=1 --set c_punktB=1 --set ed_B=-1,5 --set c_integral=1 --set c_tangente=1 --set UpDown1=3 "
      "--set m_raster=0 --set M_rahmen=1 --set rb_punktB=1 --set c_ergebnisliste=1 "
      "--set c_wertetabelle=1 --view -3.25,4.5,-2.75,3.125 --save-worksheet " +
      ShellQuote(sheet) + " --out " + ShellQuote(a));
  ASSERT_EQ(first.exit_code, 0) << first.err;
  const auto again = RunCli("render --width 500 --height 400 --worksheet " + ShellQuote(sheet) + " --out " + ShellQuote(b));
  ASSERT_EQ(again.exit_code, 0) << again.err;
  EXPECT_EQ(again.out, first.out);
  // "Result List" alone shows the memo, as in the window, and its table comes along.
  EXPECT_NE(first.out.find("Value table"), std::string::npos);
  const QImage pa = Pixels(a), pb = Pixels(b);
  ASSERT_FALSE(pa.isNull());
  EXPECT_EQ(pa, pb);
  // The view came from the worksheet, not the basic setting.
  const auto basic = RunCli("render --width 500 --height 400 --worksheet " + ShellQuote(sheet) +
                            " --view -6,6,-4.8,4.8 --out " + ShellQuote(b));
  ASSERT_EQ(basic.exit_code, 0) << basic.err;
  EXPECT_NE(Pixels(b), pa);
  for (const std::string& p : {sheet, a, b}) std::remove(p.c_str());
}

TEST(CliWorksheet, SetAndViewGoOnTopOfTheWorksheetWhereverTheyStand) {
  const std::string sheet = SheetPath("top.plotwerk");
  const std::string out = SheetPath("top.png");
  ASSERT_EQ(RunCli("render --set c_f2=1 --set ed_f1=x --save-worksheet " + ShellQuote(sheet) + " --out " + ShellQuote(out))
                .exit_code,
            0);
  const auto analysed = RunCli("analyse --set c_f2=0 --worksheet " + ShellQuote(sheet));
  ASSERT_EQ(analysed.exit_code, 0) << analysed.err;
  EXPECT_NE(analysed.out.find("Y = X\n"), std::string::npos) << analysed.out;
  EXPECT_EQ(analysed.out.find("X^2/4-2"), std::string::npos) << analysed.out;  // f2 switched off again
  std::remove(sheet.c_str());
  std::remove(out.c_str());
}

TEST(CliWorksheet, DamagedOrMissingWorksheetsWriteNothing) {
  const std::string damaged = SheetPath("damaged.plotwerk");
  std::ofstream(damaged) << "{\"format\": \"plotwerk-worksheet\", \"version\": 1,\n \"view\": {\"x_min\": 1e300";
  const std::string out = SheetPath("never.png");
  const std::string saved = SheetPath("never.plotwerk");
  for (const std::string& sheet : {damaged, SheetPath("missing.plotwerk")}) {
    SCOPED_TRACE(sheet);
    const auto render = RunCli("render --worksheet " + ShellQuote(sheet) + " --save-worksheet " + ShellQuote(saved) +
                               " --out " + ShellQuote(out));
    EXPECT_EQ(render.exit_code, 1);
    EXPECT_NE(render.err.find("cannot open worksheet"), std::string::npos) << render.err;
    EXPECT_EQ(render.out, "");
    EXPECT_FALSE(std::ifstream(out).good());
    EXPECT_FALSE(std::ifstream(saved).good());
    EXPECT_EQ(RunCli("analyse --worksheet " + ShellQuote(sheet)).exit_code, 1);
  }
  EXPECT_NE(RunCli("analyse --worksheet " + ShellQuote(damaged)).err.find("line 2"), std::string::npos);
  // A state that could not be opened again is refused before anything is drawn.
  const auto unsavable = RunCli("render --set Mergebnis_visible=1 --save-worksheet " + ShellQuote(saved) +
                                " --out " + ShellQuote(out));
  EXPECT_EQ(unsavable.exit_code, 2);
  EXPECT_FALSE(std::ifstream(out).good());
  std::remove(damaged.c_str());
}

}  // namespace
}  // namespace plotwerk::cli
