// The plot core's text catalogue hook: English without a catalogue, placeholders filled after
// the lookup.
#include <gtest/gtest.h>

#include "plot/results.h"
#include "plot/texts.h"

namespace plotwerk::plot {
namespace {

std::string Reversed(std::string_view english) {
  if (english == "Value table cut after %1 of %2 rows") return "%2 rows, cut at %1 (%3)";
  if (english == "Function Y = ") return "Funktion Y = ";
  return std::string(english);
}

TEST(TextCatalogue, LooksUpThenFillsPlaceholders) {
  EXPECT_EQ(Localized("Value table cut after %1 of %2 rows", {"10", "20"}), "Value table cut after 10 of 20 rows");
  SetTextCatalogue(&Reversed);
  EXPECT_EQ(Localized("Value table cut after %1 of %2 rows", {"10", "20"}), "20 rows, cut at 10 (%3)");
  EXPECT_EQ(TermLine("X^2"), "Funktion Y = X^2");
  EXPECT_EQ(Localized("Zeros"), "Zeros");
  SetTextCatalogue(nullptr);
  EXPECT_EQ(TermLine("X^2"), "Function Y = X^2");
}

}  // namespace
}  // namespace plotwerk::plot
