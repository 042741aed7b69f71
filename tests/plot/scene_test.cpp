// Reading the controls into the scene of one redraw: the number fields with the P and Q given,
// the terms of the list, and which term is analysed with which partner.
#include "plot/scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plotwerk::plot {
namespace {

TEST(ReadScene, NumberFieldsAreReadWithThePAndQGiven) {
  Controls c;
  c.domain_from = "-P";
  c.domain_to = "2*Q";
  c.point_a_x = "P+Q";
  c.point_b_x = "1+";  // unreadable: 0
  c.interval_from = "";  // empty: 0
  c.interval_to = "SQRT(Q)";
  c.animation_step = "0,25";
  c.family_step = "-0.5";  // the sign is the family's business
  c.parameter_q = "Q+1";
  const Scene scene = ReadScene(c, TermList{}, Parameters{.p = 1.5, .q = 4});
  EXPECT_DOUBLE_EQ(scene.domain_from, -1.5);
  EXPECT_DOUBLE_EQ(scene.domain_to, 8);
  EXPECT_DOUBLE_EQ(scene.point_a_x, 5.5);
  EXPECT_DOUBLE_EQ(scene.point_b_x, 0);
  EXPECT_DOUBLE_EQ(scene.interval_from, 0);
  EXPECT_DOUBLE_EQ(scene.interval_to, 2);
  EXPECT_DOUBLE_EQ(scene.value_table_step, 0.25);
  EXPECT_DOUBLE_EQ(scene.value_table_from, 0);
  EXPECT_DOUBLE_EQ(scene.value_table_to, 2);
  EXPECT_DOUBLE_EQ(scene.family_step, -0.5);
  EXPECT_DOUBLE_EQ(scene.family_last_p, 5);
  EXPECT_TRUE(scene.terms.empty());
  EXPECT_EQ(scene.analysed, -1);
  EXPECT_EQ(scene.analysed_term, "");
}

TEST(ReadScene, TheValueTableReadsItsFieldsWithTheQTheFamilyLeaves) {
  Controls c;
  c.interval_from = "-Q";
  c.interval_to = "Q";
  c.animation_step = "Q/4";
  c.parameter_q = "Q+1";
  TermList list;
  list.Add("X+P", 1);
  const Parameters start{.p = 0, .q = 2};
  for (const bool family : {false, true}) {
    SCOPED_TRACE(family);
    c.family = family;
    const Scene scene = ReadScene(c, list, start);
    EXPECT_DOUBLE_EQ(scene.interval_from, -2) << "the searches come before the family";
    EXPECT_DOUBLE_EQ(scene.interval_to, 2);
    EXPECT_DOUBLE_EQ(scene.family_last_p, 3);
    EXPECT_DOUBLE_EQ(scene.value_table_from, family ? -3 : -2);
    EXPECT_DOUBLE_EQ(scene.value_table_to, family ? 3 : 2);
    EXPECT_DOUBLE_EQ(scene.value_table_step, family ? 0.75 : 0.5);
  }
  // Without an analysed term there is no family and no table.
  c.family = true;
  EXPECT_DOUBLE_EQ(ReadScene(c, TermList{}, start).value_table_to, 2);
}

TEST(ReadScene, AnalysedTermAndPartnerFollowTheChoice) {
  Controls c;
  c.f1_term = "X";
  c.f2_term = "X^2";
  c.f3_term = "";
  c.f4_term = "X^4";
  c.f2_plotted = true;
  TermList list;  // as the Draw command fills it: f1, f2, f4
  list.Add("X", 1);
  list.Add("X^2", 2);
  list.Add("X^4", 4);
  const struct {
    int choice;
    std::ptrdiff_t entry;
    const char* term;
    const char* partner;
    const char* analysed_name;
    const char* partner_name;
  } cases[] = {
      {kAnalyseFirstPlotted, 0, "X", "X^2", "f1", "f2"},
      {1, 0, "X", "X^2", "f1", "f2"},
      {2, 1, "X^2", "X", "f2", "f1"},  // f2 is taken with f1
      {3, -1, "", "X^2", "f3", "f2"},  // f3 is empty, so not drawn
      {4, 2, "X^4", "X^2", "f4", "f2"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.choice);
    c.analysed_term = k.choice;
    const Scene scene = ReadScene(c, list, Parameters{});
    ASSERT_EQ(scene.terms.size(), 3u);
    EXPECT_EQ(scene.terms[2].text, "X^4");
    EXPECT_EQ(scene.terms[2].field, 4);
    ASSERT_NE(scene.terms[2].compiled, nullptr);
    EXPECT_EQ(scene.terms[2].compiled->Evaluate(2, 0, 0).value, 16) << "the program of X^4";
    EXPECT_EQ(scene.analysed, k.entry);
    EXPECT_EQ(scene.analysed_term, k.term);
    EXPECT_EQ(scene.partner, k.partner);
    EXPECT_TRUE(scene.partner_drawn);
    EXPECT_EQ(scene.names.analysed, k.analysed_name);
    EXPECT_EQ(scene.names.partner, k.partner_name);
  }
  // An unreadable f1 is left out of the list; f2 chosen is still the entry that came from f2.
  TermList without_f1;
  without_f1.Add("X^2", 2);
  c.f1_term = "X)";
  c.analysed_term = 2;
  EXPECT_EQ(ReadScene(c, without_f1, Parameters{}).analysed, 0);
  c.analysed_term = 1;
  EXPECT_EQ(ReadScene(c, without_f1, Parameters{}).analysed, -1);
}

}  // namespace
}  // namespace plotwerk::plot
