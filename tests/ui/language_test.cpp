// The window's language: the choice from the command line and the locale, and a German window.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QTest>

#include "plot/texts.h"
#include "ui/language.h"
#include "ui/tfgraf.h"

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
    window = std::make_unique<TFGraf>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    InstallLanguage("en");
  }
  std::unique_ptr<TFGraf> window;
};

TEST_F(GermanWindow, CaptionsMenusAndQtsOwnDialogsAreGerman) {
  EXPECT_EQ(window->windowTitle(), "Grafische Darstellung einer Funktion");
  EXPECT_EQ(window->c_nullstellen->text(), "Nullstellen");
  EXPECT_EQ(window->c_extrema->text(), "Extrema");
  EXPECT_EQ(window->c_stammfunktion->text(), "Stammfunktion");
  EXPECT_EQ(window->c_schar->text(), "Kurvenschar d =");
  EXPECT_EQ(window->c_wertetabelle->text(), "Wertetabelle in Liste");
  EXPECT_EQ(window->b_zeichnen->text(), "Zeichnen");
  EXPECT_EQ(window->M2->title(), "Spezielle Funktionen");
  EXPECT_EQ(window->M_ksystem->title(), "Koordinatensystem");
  // Qt's own buttons and dialogs come from Debian's Qt translations.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
}

TEST_F(GermanWindow, ResultListInGermanWithDecimalCommas) {
  window->ed_f1->setText("X^2-2");
  window->c_nullstellen->setChecked(true);
  window->c_extrema->setChecked(true);
  window->c_ergebnisliste->setChecked(true);
  window->b_zeichnenClick();
  const QStringList lines = window->Mergebnis->toPlainText().split('\n');
  for (const char* line : {"Funktion Y = X^2-2", "1. Ableitung", "Nullstellen", "\t-1,41", "\t1,41",
                           "Extrema", "\tTiefpunkt\t(0;-2)"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line << "\n" << lines.join('\n').toStdString();
  }
}

TEST_F(GermanWindow, EnglishAgainRemovesTheCoreCatalogue) {
  EXPECT_EQ(plot::Localized("Zeros"), "Nullstellen");
  InstallLanguage("en");
  EXPECT_EQ(plot::Localized("Zeros"), "Zeros");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

}  // namespace
}  // namespace plotwerk::ui
