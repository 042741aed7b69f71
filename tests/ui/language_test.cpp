// The window's language: the choice from the command line and the locale, and a German window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <set>
#include <string>

#include "plot/null_canvas.h"
#include "plot/plotter.h"
#include "plot/texts.h"
#include "ui/export_actions.h"
#include "ui/language.h"
#include "ui/main_window.h"

namespace plotwerk::ui {
namespace {

TEST(ChooseLanguage, CommandLineBeforeLocale) {
  struct Case {
    const char* requested;
    const char* locale;
    const char* expected;
  };
  const Case cases[] = {
      {"", "de_DE", "de"}, {"", "de_AT", "de"}, {"", "en_GB", "en"}, {"", "fr_FR", "en"},
      {"en", "de_DE", "en"}, {"de", "en_US", "de"}, {"fr", "de_DE", ""}, {"DE", "en_US", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.requested) + " / " + c.locale);
    EXPECT_EQ(ChooseLanguage(QString::fromLatin1(c.requested), QLocale(QString::fromLatin1(c.locale))),
              QString::fromLatin1(c.expected));
  }
}

// Starts the window as `plotwerk --lang de` does and goes back to English afterwards, so the
// other window tests see the source texts.
class GermanWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InstallLanguage("de"));
    window = std::make_unique<MainWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    InstallLanguage("en");
  }
  std::unique_ptr<MainWindow> window;
};

TEST_F(GermanWindow, CaptionsMenusAndQtsOwnDialogsAreGerman) {
  EXPECT_EQ(window->windowTitle(), "Grafische Darstellung einer Funktion");
  EXPECT_EQ(window->Options().zeros->text(), "Nullstellen");
  EXPECT_EQ(window->Options().extrema->text(), "Extrema");
  EXPECT_EQ(window->Options().antiderivative->text(), "Stammfunktion");
  EXPECT_EQ(window->Options().family->text(), "Kurvenschar d =");
  EXPECT_EQ(window->Options().value_table->text(), "Wertetabelle in Liste");
  EXPECT_EQ(window->Options().draw_button->text(), "Zeichnen");
  EXPECT_EQ(window->Menu().special_menu->title(), "Spezielle Funktionen");
  EXPECT_EQ(window->Menu().coordinate_menu->title(), "Koordinatensystem");
  // Qt's own buttons and dialogs come from Debian's Qt translations.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST_F(GermanWindow, ResultListInGermanWithDecimalCommas) {
  window->Terms().f1_term->setText("X^2-2");
  window->Options().zeros->setChecked(true);
  window->Options().extrema->setChecked(true);
  window->Options().result_list->setChecked(true);
  window->OnDrawClicked();
  const QStringList lines = window->ResultMemo()->toPlainText().split('\n');
  for (const char* line : {"Funktion Y = X^2-2", "1. Ableitung", "Nullstellen", "\t-1,41", "\t1,41",
                           "Extrema", "\tTiefpunkt\t(0;-2)"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n" << lines.join('\n').toStdString();
  }
}

// Numbers inside terms get the decimal comma too: in the list, on the picture and in the field
// the derivative button fills.
TEST_F(GermanWindow, TermsAreShownWithADecimalComma) {
  window->Terms().f1_term->setText("0.75*X^2");
  window->Options().result_list->setChecked(true);
  window->OnDeriveClicked();
  EXPECT_EQ(window->Terms().f3_term->text(), "1,5*X");
  const QStringList lines = window->ResultMemo()->toPlainText().split('\n');
  for (const char* line : {"Funktion Y = 0,75*X^2", "1. Ableitung", "Y = 1,5*X", "Funktion Y = 1,5*X"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n" << lines.join('\n').toStdString();
  }
  EXPECT_FALSE(window->ResultMemo()->toPlainText().contains("1.5")) << "no decimal point left";
}

TEST_F(GermanWindow, AccessibleNamesAndSaveFiltersAreGerman) {
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->Navigation().zoom_in_button)->text(QAccessible::Name),
            QString::fromUtf8("Vergrößern"));
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->Terms().f2_term)->text(QAccessible::Name), "Term f2(x)");
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(window->DrawingArea())
                  ->text(QAccessible::Description)
                  .startsWith("f1(x) = X*SIN(X+P), blau"));
  EXPECT_EQ(SaveDialogFilters().first(), "Abbildung (*.bmp)");
}

TEST_F(GermanWindow, EnglishAgainRemovesTheCoreCatalogue) {
  EXPECT_EQ(plot::Localized("Zeros"), "Nullstellen");
  InstallLanguage("en");
  EXPECT_EQ(plot::Localized("Zeros"), "Zeros");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

std::set<std::string>& RecordedPhrases() {
  static std::set<std::string> phrases;
  return phrases;
}
std::string RecordPhrase(std::string_view english) {
  RecordedPhrases().emplace(english);
  return std::string(english);
}

// The core's phrases are listed by hand in ui/language.cpp for lupdate; a phrase added to the
// core and not to that list would stay English. Draw with every option on and check that each
// phrase the core asked for has a German entry.
TEST(CoreTexts, EveryPhraseTheCoreWritesHasAGermanEntry) {
  plot::Controls c;
  c.f1_term = "X^3-3*X";
  c.f2_term = "X";
  for (bool* option :
       {&c.first_derivative, &c.second_derivative, &c.zeros, &c.extrema, &c.inflections,
        &c.inflection_tangents, &c.antiderivative, &c.intersections, &c.show_points, &c.family,
        &c.point_a, &c.point_b, &c.tangent, &c.normal, &c.secant, &c.integral,
        &c.value_table, &c.result_memo_visible, &c.mirror_in_x_axis, &c.mirror_in_origin,
        &c.mirror_in_y_axis, &c.shift_along_x, &c.stretch_along_x, &c.shift_along_y,
        &c.stretch_along_y, &c.composition, &c.sum_f1_f2,
        &c.difference_f1_f2, &c.product_f1_f2, &c.quotient_f1_f2,
        &c.inverse_of_f1}) {
    *option = true;
  }
  c.parameter_q = "100";  // family members from P = 1 to 100: more than are drawn
  c.animation_step = "0,0001";  // the value table is cut
  // The integral lines differ with and without f2.
  plot::Controls with_f2 = c;
  with_f2.f2_plotted = true;
  RecordedPhrases().clear();
  plot::SetTextCatalogue(&RecordPhrase);
  for (plot::Controls& controls : {std::ref(c), std::ref(with_f2)}) {
    plot::Plotter plotter;
    plot::NullCanvas canvas;
    plotter.ApplyBasicSetting(400, 300);
    plotter.DrawCommand(controls);
    plotter.Redraw(canvas, 400, 300, controls);
  }
  plot::SetTextCatalogue(nullptr);

  QTranslator german;
  ASSERT_TRUE(german.load(":/i18n/plotwerk_de.qm"));
  const QRegularExpression word("[A-Za-z]{2,}");  // formula labels such as "f(-x)" stay as they are
  int words = 0;
  for (const std::string& phrase : RecordedPhrases()) {
    if (!QString::fromLatin1(phrase).contains(word)) continue;
    ++words;
    EXPECT_FALSE(german.translate("plotwerk::plot", phrase.c_str()).isEmpty())
        << "no German for \"" << phrase << "\": add it to kCorePhrases in ui/language.cpp";
  }
  EXPECT_GE(words, 24) << "the drawing should have used most of the core's phrases";
}

// The reasons of the file writer and the worksheet reader reach the German window in German;
// file names and numbers stay, an unknown reason stays English.
TEST(FileErrors, KnownReasonsAreTranslatedNamesKept) {
  ASSERT_TRUE(InstallLanguage("de"));
  const std::pair<const char*, const char*> cases[] = {
      {"no such file", "die Datei gibt es nicht"},
      {"it is a folder", "es ist ein Ordner"},
      {"Cannot write \"/tmp/a %2.plotwerk\": the file is write-protected",
       "\"/tmp/a %2.plotwerk\" kann nicht geschrieben werden: die Datei ist schreibgeschützt"},
      {"Cannot write \"x.bmp\": the file has 2 other hard link(s), which replacing it would break",
       "\"x.bmp\" kann nicht geschrieben werden: die Datei hat 2 weitere harte Verknüpfung(en), die beim "
       "Ersetzen verloren gingen"},
      {"the file has 3000000 bytes, more than a worksheet can hold (2097152 bytes)",
       "die Datei hat 3000000 Bytes, mehr als ein Arbeitsblatt fassen kann (2097152 Bytes)"},
      {"Cannot write \"x.bmp\": Disk quota exceeded", "\"x.bmp\" kann nicht geschrieben werden: Disk quota exceeded"},
      {"line 3: unexpected end", "line 3: unexpected end"},
  };
  for (const auto& [english, german] : cases) {
    SCOPED_TRACE(english);
    EXPECT_EQ(FileErrorMessage(QString::fromUtf8(english)), QString::fromUtf8(german));
  }
  InstallLanguage("en");
  EXPECT_EQ(FileErrorMessage("Cannot write \"x\": it is a folder"), "Cannot write \"x\": it is a folder");
}

}  // namespace
}  // namespace plotwerk::ui
