// plotwerk-cli render --page and the point labels: the page PDF holds the title, the terms and
// the result lines as text (read back with pdftotext), and the labels are text in an SVG.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "cli_run.h"

namespace plotwerk::cli {
namespace {

using namespace testing;  // RunCli, ShellQuote, ReadWholeFile, TempPath

std::string OutPath(const std::string& name) { return TempPath("page", name); }

// Blanks and tabs of any length become one blank, so columns and tab stops do not matter.
std::string Words(const std::string& text) {
  std::string out;
  std::istringstream in(text);
  std::string word;
  while (in >> word) out += (out.empty() ? "" : " ") + word;
  return out;
}

// The text of a PDF as pdftotext reads it, one blank between words.
std::string PdfText(const std::string& pdf) {
  const std::string txt = pdf + ".txt";
  const std::string command = "pdftotext -raw " + ShellQuote(pdf) + " " + ShellQuote(txt);
  if (std::system(command.c_str()) != 0) return {};
  return Words(ReadWholeFile(txt));
}

const std::string kLesson =
    " --set ed_f1=X^3-12*X --set c_nullstellen=1 --set c_extrema=1 --set c_wendepunkte=1"
    " --set ed_von=-5 --set ed_bis=5 --view -6,6,-20,20";

TEST(RenderPage, ThePdfHoldsTitleTermsAndEveryResultLineAsText) {
  const std::string pdf = OutPath("page.pdf");
  const auto result = RunCli("render --page" + kLesson + " --out " + ShellQuote(pdf));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  ASSERT_EQ(ReadWholeFile(pdf).substr(0, 5), "%PDF-");
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("Plotwerk"), std::string::npos);
  EXPECT_NE(text.find("f1: Y = X^3-12*X"), std::string::npos) << text;
  std::istringstream lines(result.out);
  std::string line;
  int checked = 0;
  while (std::getline(lines, line)) {
    if (Words(line).empty()) continue;
    EXPECT_NE(text.find(Words(line)), std::string::npos) << line;
    ++checked;
  }
  EXPECT_GE(checked, 12);  // terms, derivatives, three zeros, two extrema, an inflection point
  EXPECT_NE(text.find("Maximum (-2;16)"), std::string::npos) << text;
}

TEST(RenderPage, TheValueTableGoesOnFurtherPagesAndOnlyPdfIsAccepted) {
  const std::string pdf = OutPath("table.pdf");
  const auto result =
      RunCli("render --page --set c_wertetabelle=1 --set ed_delta=0,01" + kLesson + " --out " + ShellQuote(pdf));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string info = pdf + ".info";
  ASSERT_EQ(std::system(("pdfinfo " + ShellQuote(pdf) + " > " + ShellQuote(info)).c_str()), 0);
  const std::string pages = Words(ReadWholeFile(info));
  const auto at = pages.find("Pages: ");
  ASSERT_NE(at, std::string::npos);
  EXPECT_GE(std::stoi(pages.substr(at + 7)), 3);  // 1001 rows do not fit one page
  EXPECT_NE(PdfText(pdf).find("Value table"), std::string::npos);

  const auto refused = RunCli("render --page --out " + ShellQuote(OutPath("page.png")));
  EXPECT_EQ(refused.exit_code, 2);  // a usage error
  EXPECT_NE(refused.err.find("--page needs a .pdf file"), std::string::npos);
}

TEST(RenderPage, PointLabelsAreTextInTheVectorFile) {
  const std::string svg = OutPath("labels.svg");
  const auto result = RunCli("render --set m_punktnamen=1" + kLesson + " --out " + ShellQuote(svg));
  ASSERT_EQ(result.exit_code, 0) << result.err;
  const std::string text = ReadWholeFile(svg);
  for (const char* label : {">Z1(-3,46; 0)<", ">Z2(0; 0)<", ">Z3(3,46; 0)<", ">Max(-2; 16)<", ">Min(2; -16)<",
                            ">I(0; 0)<"}) {
    EXPECT_NE(text.find(label), std::string::npos) << label;
  }
}

}  // namespace
}  // namespace plotwerk::cli
