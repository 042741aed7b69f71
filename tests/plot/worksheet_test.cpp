// Worksheet text: every control kind survives the round trip, missing keys take the start
// values, unknown keys warn, and damaged texts are refused with a message naming the problem.
#include "plot/worksheet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <variant>

#include "plot/controls_names.h"

namespace plotwerk::plot {
namespace {

// Every settable control away from its start value, consistently (the graph width in its field
// and stepper, one radio button, the memo as "Result List" says).
Worksheet EveryControlChanged() {
  Worksheet w;
  const Controls start;
  for (const ControlInfo& info : ControlTable()) {
    if (auto* text = std::get_if<std::string Controls::*>(&info.member)) {
      w.controls.*(*text) = "F" + std::to_string(&info - ControlTable().data()) + "\xB7\xC9";  // ·É
    } else if (auto* check = std::get_if<bool Controls::*>(&info.member)) {
      w.controls.*(*check) = !(start.*(*check));
    }
  }
  w.controls.graph_width_text = "4";
  w.controls.graph_width = 4;
  w.controls.animate_point_a = w.controls.animate_parameter = false;
  w.controls.animate_point_b = true;
  w.controls.result_list = w.controls.result_memo_visible = true;
  w.view = PlotView{0.1 + 0.2, 1e12 / 3, -2.0 / 3, 1e-3};
  w.param_p = -1.0 / 7;
  w.param_q = 12345.678;
  return w;
}

TEST(Worksheet, EveryControlKindSurvivesTheRoundTrip) {
  const Worksheet original = EveryControlChanged();
  std::vector<std::string> warnings;
  const Worksheet back = WorksheetFromJson(WorksheetToJson(original), &warnings);
  EXPECT_TRUE(warnings.empty()) << warnings.front();
  EXPECT_TRUE(SameWorksheet(back, original));
  EXPECT_FALSE(SameWorksheet(back, Worksheet{}));  // the check itself can fail
  EXPECT_EQ(back.controls.point_a_x, original.controls.point_a_x);
  EXPECT_EQ(back.view, original.view);  // doubles exactly
}

// Version 1 read "2+-X^2" as 2+(-X)^2 and "2^3^2" as (2^3)^2; those terms are rewritten to keep
// that meaning, with a notice, and terms that read alike stay as they are.
TEST(Worksheet, Version1TermsKeepTheirMeaning) {
  const std::string json = R"({"format": "plotwerk-worksheet", "version": 1,
      "controls": {"ed_f1": "2+-X^2", "ed_f2": "X^2/4-2", "ed_parameter": "2^3^2"}})";
  std::vector<std::string> warnings;
  const Worksheet w = WorksheetFromJson(json, &warnings);
  EXPECT_EQ(w.controls.f1_term, "2+(-X)^2");
  EXPECT_EQ(w.controls.f2_term, "X^2/4-2");
  EXPECT_EQ(w.controls.parameter_p, "(2^3)^2");
  EXPECT_EQ(warnings, (std::vector<std::string>{
                          R"("2+-X^2" of ed_f1 is written "2+(-X)^2" so that it keeps its meaning)",
                          R"("2^3^2" of ed_parameter is written "(2^3)^2" so that it keeps its meaning)"}));
  // Version 2 is read as it stands.
  std::string now = json;
  now.replace(now.find("\"version\": 1"), 12, "\"version\": 2");
  warnings.clear();
  EXPECT_EQ(WorksheetFromJson(now, &warnings).controls.f1_term, "2+-X^2");
  EXPECT_TRUE(warnings.empty());
  EXPECT_NE(WorksheetToJson(w).find("\"version\": 2"), std::string::npos);
}

TEST(Worksheet, MissingKeysTakeStartValuesAndUnknownKeysWarn) {
  const std::string json = R"({"format": "plotwerk-worksheet", "version": 1, "comment": "lesson 3",
      "controls": {"c_f2": true, "ed_f1": "x^2", "rb_punkta": true, "c_ergebnisliste": true, "c_neu": false,
                   "ed_breite": " 3"},
      "view": {"x_min": -1, "x_max": 1, "y_min": -2, "y_max": 2, "zoom": 3}})";
  std::vector<std::string> warnings;
  const Worksheet w = WorksheetFromJson(json, &warnings);
  EXPECT_EQ(w.controls.f1_term, "X^2");  // upper-cased as typed
  EXPECT_EQ(w.controls.f2_term, Controls{}.f2_term);
  EXPECT_TRUE(w.controls.f2_plotted);
  EXPECT_TRUE(w.controls.animate_point_a);
  EXPECT_FALSE(w.controls.animate_parameter);       // one group: checking A unchecks the start one
  EXPECT_TRUE(w.controls.result_memo_visible);  // the memo follows "Result List"
  EXPECT_EQ(w.controls.graph_width, 3);           // the stepper follows its field
  EXPECT_EQ(w.view, (PlotView{-1, 1, -2, 2}));
  EXPECT_EQ(w.param_p, 0);
  EXPECT_EQ(warnings, (std::vector<std::string>{R"(unknown key "controls.c_neu" ignored)", R"(unknown key "view.zoom" ignored)",
                                   R"(unknown key "comment" ignored)"}));

  const Worksheet bare = WorksheetFromJson(R"({"format": "plotwerk-worksheet", "version": 3})", &warnings);
  EXPECT_FALSE(bare.view.has_value());  // the basic setting
  EXPECT_TRUE(SameWorksheet(bare, Worksheet{}));
  EXPECT_NE(warnings.back().find("version 3"), std::string::npos);
}

// A valid worksheet with one key replaced (dotted path) by raw JSON text.
std::string With(const std::string& path, const std::string& raw) {
  nlohmann::json root = nlohmann::json::parse(WorksheetToJson(EveryControlChanged()));
  const std::size_t dot = path.find('.');
  (dot == std::string::npos ? root[path] : root[path.substr(0, dot)][path.substr(dot + 1)]) = "@@";
  std::string json = root.dump(4);
  json.replace(json.find("\"@@\""), 4, raw);
  return json;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

TEST(Worksheet, DamagedFilesAreRefusedWithTheProblemNamed) {
  const std::string valid = WorksheetToJson(EveryControlChanged());
  const struct {
    const char* what;
    std::string json;
    const char* message;
  } cases[] = {
      {"empty", "", "empty"},
      {"not JSON", "format = plotwerk", "line 1, column"},
      {"cut short", valid.substr(0, valid.size() / 2), "line "},
      {"a list", "[1, 2]", "no JSON object"},
      {"another format", R"({"format": "notes", "version": 1})", "\"format\""},
      {"no version", R"({"format": "plotwerk-worksheet"})", "\"version\": missing"},
      {"version 1.5", With("version", "1.5"), "\"version\""},
      {"check as text", With("controls.c_f1", "\"yes\""), "\"controls.c_f1\": expected true or false, found a text"},
      {"field as number", With("controls.ed_f1", "3"), "\"controls.ed_f1\": expected a text, found a number"},
      {"controls as list", With("controls", "[]"), "\"controls\": expected an object"},
      {"width with fraction", With("controls.UpDown1", "2.5"), "\"controls.UpDown1\": expected a whole number"},
      {"width out of range", With("controls.UpDown1", "9"), "\"controls.UpDown1\": the graph width 9 lies outside 1 to 6"},
      {"width below range", With("controls.UpDown1", "-1"), "\"controls.UpDown1\": the graph width -1 lies outside"},
      {"width 7 beside its field", Replaced(With("controls.UpDown1", "7"), "\"ed_breite\": \"4\"", "\"ed_breite\": \"1\""),
       "\"controls.UpDown1\": the graph width 7"},
      {"analysed term beyond f4", With("controls.cb_analyse", "5"), "\"controls.cb_analyse\": the choice 5 lies outside 0 to 4"},
      {"analysed term below the list", With("controls.cb_analyse", "-1"), "\"controls.cb_analyse\": the choice -1"},
      {"width other than its field", With("controls.UpDown1", "2"), "UpDown1: the graph width 2 differs"},
      {"format twice", Replaced(valid, "{", R"({"format": "evil",)"), "key \"format\": given twice"},
      {"key twice in a section", Replaced(valid, "\"c_f1\"", R"("c_f2": true, "c_f1")"), "key \"c_f2\": given twice"},
      {"nested without end", std::string(100000, '[') , "nested deeper"},
      {"two radio buttons", With("controls.rb_punkta", "true"), "exactly one"},
      {"memo without result list", With("controls.Mergebnis_visible", "false"), "Mergebnis_visible"},
      {"10 MB term", With("controls.ed_f1", '"' + std::string(10'000'000, 'X') + '"'),
       "\"controls.ed_f1\": 10000000 characters"},
      {"character no field takes", With("controls.ed_f2", R"("X\u20ac")"), "U+20AC at position 2"},
      {"control character", With("controls.ed_f2", R"("X\n1")"), "character 10 at position 2"},
      {"view of 10^300", With("view.x_max", "1e300"), "\"view\": the bound 1e+300"},
      {"view beyond doubles", With("view.x_max", "1e400"), "number overflow"},
      {"view turned round", With("view.x_min", "1e12"), "x_min must lie below x_max"},
      {"view without y_max", Replaced(With("view.y_max", "null"), ",\n        \"y_max\": null", ""), "view.y_max"},
      {"parameter as text", With("parameters.P", "\"1\""), "\"parameters.P\": expected a number"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      WorksheetFromJson(c.json, nullptr);
      ADD_FAILURE() << "accepted";
    } catch (const WorksheetError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace plotwerk::plot
