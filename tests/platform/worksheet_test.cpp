// Worksheet files: every control kind survives the round trip, missing keys take the start
// values, unknown keys warn, and damaged files are refused with a message naming the problem.
#include "platform/worksheet.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <string>
#include <variant>

#include "platform/export_error.h"
#include "plot/controls_names.h"

namespace plotwerk::platform {
namespace {

// Every settable control away from its start value, consistently (the graph width in its field
// and stepper, one radio button, the memo as "Result List" says).
Worksheet EveryControlChanged() {
  Worksheet w;
  const plot::Controls start;
  for (const plot::ControlInfo& info : plot::ControlTable()) {
    if (auto* text = std::get_if<std::string plot::Controls::*>(&info.member)) {
      w.controls.*(*text) = "F" + std::to_string(&info - plot::ControlTable().data()) + "\xB7\xC9";  // ·É
    } else if (auto* check = std::get_if<bool plot::Controls::*>(&info.member)) {
      w.controls.*(*check) = !(start.*(*check));
    }
  }
  w.controls.ed_breite = "4";
  w.controls.UpDown1 = 4;
  w.controls.rb_punkta = w.controls.rb_parameter = false;
  w.controls.rb_punktB = true;
  w.controls.c_ergebnisliste = w.controls.Mergebnis_visible = true;
  w.view = plot::PlotView{0.1 + 0.2, 1e12 / 3, -2.0 / 3, 1e-3};
  w.param_p = -1.0 / 7;
  w.param_q = 12345.678;
  return w;
}

TEST(Worksheet, EveryControlKindSurvivesTheRoundTrip) {
  const Worksheet original = EveryControlChanged();
  QStringList warnings;
  const Worksheet back = WorksheetFromJson(WorksheetToJson(original), &warnings);
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join(';').toStdString();
  EXPECT_TRUE(SameWorksheet(back, original));
  EXPECT_FALSE(SameWorksheet(back, Worksheet{}));  // the check itself can fail
  EXPECT_EQ(back.controls.ed_A, original.controls.ed_A);
  EXPECT_EQ(back.view, original.view);  // doubles exactly
}

// Version 1 read "2+-X^2" as 2+(-X)^2 and "2^3^2" as (2^3)^2; those terms are rewritten to keep
// that meaning, with a notice, and terms that read alike stay as they are.
TEST(Worksheet, Version1TermsKeepTheirMeaning) {
  const QByteArray json = R"({"format": "plotwerk-worksheet", "version": 1,
      "controls": {"ed_f1": "2+-X^2", "ed_f2": "X^2/4-2", "ed_parameter": "2^3^2"}})";
  QStringList warnings;
  const Worksheet w = WorksheetFromJson(json, &warnings);
  EXPECT_EQ(w.controls.ed_f1, "2+(-X)^2");
  EXPECT_EQ(w.controls.ed_f2, "X^2/4-2");
  EXPECT_EQ(w.controls.ed_parameter, "(2^3)^2");
  EXPECT_EQ(warnings, (QStringList{R"("2+-X^2" of ed_f1 is written "2+(-X)^2" so that it keeps its meaning)",
                                   R"("2^3^2" of ed_parameter is written "(2^3)^2" so that it keeps its meaning)"}));
  // Version 2 is read as it stands.
  QByteArray now = json;
  now.replace("\"version\": 1", "\"version\": 2");
  warnings.clear();
  EXPECT_EQ(WorksheetFromJson(now, &warnings).controls.ed_f1, "2+-X^2");
  EXPECT_TRUE(warnings.isEmpty());
  EXPECT_TRUE(WorksheetToJson(w).contains("\"version\": 2"));
}

TEST(Worksheet, MissingKeysTakeStartValuesAndUnknownKeysWarn) {
  const QByteArray json = R"({"format": "plotwerk-worksheet", "version": 1, "comment": "lesson 3",
      "controls": {"c_f2": true, "ed_f1": "x^2", "rb_punkta": true, "c_ergebnisliste": true, "c_neu": false,
                   "ed_breite": " 3"},
      "view": {"x_min": -1, "x_max": 1, "y_min": -2, "y_max": 2, "zoom": 3}})";
  QStringList warnings;
  const Worksheet w = WorksheetFromJson(json, &warnings);
  EXPECT_EQ(w.controls.ed_f1, "X^2");  // upper-cased as typed
  EXPECT_EQ(w.controls.ed_f2, plot::Controls{}.ed_f2);
  EXPECT_TRUE(w.controls.c_f2);
  EXPECT_TRUE(w.controls.rb_punkta);
  EXPECT_FALSE(w.controls.rb_parameter);       // one group: checking A unchecks the start one
  EXPECT_TRUE(w.controls.Mergebnis_visible);  // the memo follows "Result List"
  EXPECT_EQ(w.controls.UpDown1, 3);           // the stepper follows its field
  EXPECT_EQ(w.view, (plot::PlotView{-1, 1, -2, 2}));
  EXPECT_EQ(w.param_p, 0);
  EXPECT_EQ(warnings, (QStringList{R"(unknown key "controls.c_neu" ignored)", R"(unknown key "view.zoom" ignored)",
                                   R"(unknown key "comment" ignored)"}));

  const Worksheet bare = WorksheetFromJson(R"({"format": "plotwerk-worksheet", "version": 3})", &warnings);
  EXPECT_FALSE(bare.view.has_value());  // the basic setting
  EXPECT_TRUE(SameWorksheet(bare, Worksheet{}));
  EXPECT_TRUE(warnings.last().contains("version 3"));
}

// A valid worksheet with one key replaced (dotted path) by raw JSON text.
QByteArray With(const char* path, const QByteArray& raw) {
  QJsonObject root = QJsonDocument::fromJson(WorksheetToJson(EveryControlChanged())).object();
  const QString p = QString::fromLatin1(path);
  const QString placeholder = QStringLiteral("@@");
  if (p.contains('.')) {
    QJsonObject section = root[p.section('.', 0, 0)].toObject();
    section[p.section('.', 1)] = placeholder;
    root[p.section('.', 0, 0)] = section;
  } else {
    root[p] = placeholder;
  }
  QByteArray json = QJsonDocument(root).toJson();
  return json.replace("\"@@\"", raw);
}

TEST(Worksheet, DamagedFilesAreRefusedWithTheProblemNamed) {
  const QByteArray valid = WorksheetToJson(EveryControlChanged());
  const struct {
    const char* what;
    QByteArray json;
    const char* message;
  } cases[] = {
      {"empty", "", "empty"},
      {"not JSON", "format = plotwerk", "line 1, column"},
      {"cut short", valid.left(valid.size() / 2), "line "},
      {"a list", "[1, 2]", "no JSON object"},
      {"another format", R"({"format": "notes", "version": 1})", "\"format\""},
      {"no version", R"({"format": "plotwerk-worksheet"})", "\"version\": missing"},
      {"version 1.5", With("version", "1.5"), "\"version\""},
      {"check as text", With("controls.c_f1", "\"yes\""), "\"controls.c_f1\": expected true or false, found a text"},
      {"field as number", With("controls.ed_f1", "3"), "\"controls.ed_f1\": expected a text, found a number"},
      {"controls as list", With("controls", "[]"), "\"controls\": expected an object"},
      {"width with fraction", With("controls.UpDown1", "2.5"), "\"controls.UpDown1\": expected a whole number"},
      {"width out of range", With("controls.UpDown1", "9").replace("\"ed_breite\": \"4\"", "\"ed_breite\": \"X\""),
       "UpDown1: the graph width 9"},
      {"two radio buttons", With("controls.rb_punkta", "true"), "exactly one"},
      {"memo without result list", With("controls.Mergebnis_visible", "false"), "Mergebnis_visible"},
      {"10 MB term", With("controls.ed_f1", '"' + QByteArray(10'000'000, 'X') + '"'),
       "\"controls.ed_f1\": 10000000 characters"},
      {"character no field takes", With("controls.ed_f2", R"("X\u20ac")"), "U+20AC at position 2"},
      {"control character", With("controls.ed_f2", R"("X\n1")"), "character 10 at position 2"},
      {"view of 10^300", With("view.x_max", "1e300"), "\"view\": the bound 1e+300"},
      {"view beyond doubles", With("view.x_max", "1e400"), "illegal number"},
      {"view turned round", With("view.x_min", "1e12"), "x_min must lie below x_max"},
      {"view without y_max", With("view.y_max", "null").replace("\"y_max\": null,", ""), "view.y_max"},
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

TEST(Worksheet, FilesAreReadOnlyWhenRegularAndWrittenCompletelyOrNotAtAll) {
  QTemporaryDir dir;
  const QString path = dir.filePath("lesson.plotwerk");
  WriteWorksheet(path, EveryControlChanged());
  EXPECT_TRUE(SameWorksheet(ReadWorksheet(path, nullptr), EveryControlChanged()));

  // A state that could not be opened again is not saved, and the old file stays.
  Worksheet unreachable = EveryControlChanged();
  unreachable.controls.rb_punktB = false;
  EXPECT_THROW(WriteWorksheet(path, unreachable), WorksheetError);
  EXPECT_THROW(WriteWorksheet(dir.filePath("missing/x.plotwerk"), Worksheet{}), ExportError);
  EXPECT_TRUE(SameWorksheet(ReadWorksheet(path, nullptr), EveryControlChanged()));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"lesson.plotwerk"});

  EXPECT_THROW(ReadWorksheet(dir.filePath("none.plotwerk"), nullptr), WorksheetError);
  EXPECT_THROW(ReadWorksheet(dir.path(), nullptr), WorksheetError);
  EXPECT_THROW(ReadWorksheet("/dev/zero", nullptr), WorksheetError);
}

}  // namespace
}  // namespace plotwerk::platform
