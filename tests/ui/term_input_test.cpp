// What the edit fields let through: upper case as typed, nothing that toLatin1() cannot hold,
// and very long pasted terms.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QToolTip>
#include <QGuiApplication>


#include <vector>

#include "fktint/term_check.h"
#include "plot/field_length.h"
#include "tests/ui/window_fixture.h"
#include "ui/widgets.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

// Types the text as key presses carrying each character, as a keyboard with those keys would.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

TEST(TermCharacters, UpperCaseStaysInsideLatin1) {
  struct Case {
    char16_t in, out;
  };
  const Case cases[] = {{u'a', u'A'}, {u'z', u'Z'}, {u'X', u'X'}, {u'1', u'1'}, {u'^', u'^'},
                        {0xE9, 0xC9} /* é */,       {0xFE, 0xDE} /* þ */,
                        {0xF7, 0xF7} /* ÷ stays */, {0xDF, 0xDF} /* ß has no single capital */,
                        {0xFF, 0xFF} /* ÿ: its capital is beyond Latin-1 */,
                        {0xB5, 0xB5} /* µ */,        {0xB7, 0xB7} /* · */};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.in));
    EXPECT_EQ(UpperLatin1(QChar(c.in)).unicode(), c.out);
  }
  EXPECT_TRUE(IsTermCharacter(QChar(u' ')));
  EXPECT_TRUE(IsTermCharacter(QChar(char16_t(0xFF))));
  for (char16_t refused : {char16_t(0x00), char16_t(0x09), char16_t(0x0A), char16_t(0x7F),
                           char16_t(0x80), char16_t(0x9F), char16_t(0x100), char16_t(0x20AC)}) {
    SCOPED_TRACE(int(refused));
    EXPECT_FALSE(IsTermCharacter(QChar(refused)));
  }
}

TEST(Stepper, ReportsEveryClickAndMovesWithinItsRangeWithoutWrapping) {
  UpDown stepper(-2, 2, 1, nullptr);
  std::vector<UpDown::Direction> reported;
  QObject::connect(&stepper, &UpDown::ChangingEx, [&](UpDown::Direction d) { reported.push_back(d); });
  stepper.Click(UpDown::Direction::Up);
  stepper.Click(UpDown::Direction::Up);
  EXPECT_EQ(stepper.Position(), 2);
  stepper.UpButton()->click();
  EXPECT_EQ(stepper.Position(), 2);
  stepper.DownButton()->click();
  EXPECT_EQ(stepper.Position(), 1);
  // Clicks at the end of the range are still reported, so a field stepped by the handler
  // keeps moving after 10000 clicks in one direction.
  EXPECT_EQ(reported, (std::vector<UpDown::Direction>{UpDown::Direction::Up, UpDown::Direction::Up,
                                                      UpDown::Direction::Up, UpDown::Direction::Down}));
}

TEST(Stepper, BoundToAFieldReadsAndWritesItsNumber) {
  QLineEdit field;
  UpDown stepper(1, 6, 1, nullptr);
  stepper.SetAssociate(&field);
  EXPECT_EQ(field.text(), "1");
  field.setText("4");
  stepper.Click(UpDown::Direction::Up);
  EXPECT_EQ(field.text(), "5");
  QTest::keyClick(&field, Qt::Key_Down);
  EXPECT_EQ(field.text(), "4") << "the arrow keys of the field step it";
  field.setText("X");
  EXPECT_EQ(stepper.Position(), 4);
}

TEST_F(WindowTest, FieldsRefuseWhatToLatin1CannotHold) {
  TermEdit* f = window->Terms().f1_term;
  f->selectAll();
  Type(f, QString::fromUtf8("x·é"));
  EXPECT_EQ(f->text(), QString::fromUtf8("X·É"));
  EXPECT_EQ(f->Latin1(), std::string("X\xB7\xC9"));

  f->setText("X");
  f->end(false);
  Type(f, QString::fromUtf8("€"));
  f->insert(QString::fromUtf8("+ΣX"));
  f->insert(QString::fromUtf8("+1\n2"));
  EXPECT_EQ(f->text(), "X") << "refused as typed, not turned into question marks";

  // A paste with one bad character is refused whole; a clean one is upper-cased.
  QGuiApplication::clipboard()->setText(QString::fromUtf8("+sin(x)€"));
  f->paste();
  EXPECT_EQ(f->text(), "X");
  QGuiApplication::clipboard()->setText("+sin(x)");
  f->paste();
  EXPECT_EQ(f->text(), "X+SIN(X)");
}

TEST_F(WindowTest, ALongFourierSumFitsWithoutNotice) {
  QString sum = "SIN(X)";
  for (int k = 3; sum.size() < plot::kMaxFieldLength - 20; k += 2) sum += QString("+SIN(%1*X)/%1").arg(k);
  ASSERT_GT(sum.size(), 3000);
  QToolTip::hideText();
  window->Terms().f1_term->selectAll();
  window->Terms().f1_term->insert(sum);
  EXPECT_EQ(window->Terms().f1_term->text(), sum);
  EXPECT_FALSE(QToolTip::isVisible());
}

TEST_F(WindowTest, AHugePastedTermNeitherCrashesNorHangs) {
  QString huge;
  while (huge.size() < 100000) huge += "X*SIN(X)+";
  huge.truncate(100000);
  for (TermEdit* field : {window->Terms().f1_term, window->Terms().f2_term}) {
    QToolTip::hideText();
    field->selectAll();
    QGuiApplication::clipboard()->setText(huge);
    field->paste();
    EXPECT_EQ(field->text(), huge.left(plot::kMaxFieldLength)) << "cut to the field's length";
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), TermEdit::CutNotice());
  }
  window->Terms().f2_plotted->setChecked(true);
  window->Terms().derive_button->click();
  window->Terms().derive_twice_button->click();
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Return);
  window->Options().result_list->click();
  // Cut in the middle of a name, f1 does not read and is not drawn; it does when it reads.
  const bool reads = fktint::CheckTerm(window->Terms().f1_term->Latin1()).ok();
  EXPECT_EQ(window->Plotter().Terms().Terms().empty(), !reads);
  EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace plotwerk::ui
