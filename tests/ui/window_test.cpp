// The main window: what it opens with, the Draw command, the option menus, the result list,
// the derivative buttons, the y-resolution command, resizing and closing.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <string>
#include <vector>

#include "plot/graphs.h"
#include "tests/ui/window_fixture.h"

namespace plotwerk::ui {
namespace {

using testing::CountColour;
using testing::WindowTest;

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kRed = qRgb(255, 0, 0);

std::vector<std::string> TermsOf(TFGraf& w) { return w.Plotter().Terms().Terms(); }

void ExpectMemoShowsResultList(TFGraf& w) {
  QStringList lines;
  for (const std::string& line : w.Plotter().Results().Lines()) lines << QString::fromLatin1(line);
  EXPECT_EQ(w.Mergebnis->toPlainText(), lines.join('\n'));
}

void ExpectBasicSetting(TFGraf& w) {
  const plot::PlotView v = w.Plotter().View();
  const double ratio = double(w.PaintHeight()) / w.PaintWidth();
  EXPECT_DOUBLE_EQ(v.x_min, -6);
  EXPECT_DOUBLE_EQ(v.x_max, 6);
  EXPECT_NEAR(v.y_min, -6 * ratio, 1e-12);
  EXPECT_NEAR(v.y_max, 6 * ratio, 1e-12);
}

TEST_F(WindowTest, OpensWithTheFirstDefaultTermDrawnInTheBasicSetting) {
  EXPECT_EQ(window->windowTitle(), "Graphical representation of a function");
  EXPECT_EQ(window->PaintBox1->size(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(QApplication::focusWidget(), window->ed_f1) << "ready to type the first term";
  EXPECT_TRUE(window->Mergebnis->isHidden());
  EXPECT_FALSE(window->M1->isEnabled());
  EXPECT_FALSE(window->Timer1->isActive());
  EXPECT_EQ(window->Timer1->interval(), 25);
  ExpectBasicSetting(*window);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X*SIN(X+P)"});
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 1);

  const QImage picture = Picture();
  EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  EXPECT_GT(CountColour(picture, kBlue), 200) << "f1 is drawn in the first curve colour";
  EXPECT_EQ(CountColour(picture, kRed), 0) << "f2 is unchecked at start";
}

TEST_F(WindowTest, CheckingF2AddsTheSecondTermInTheSecondColour) {
  window->c_f2->click();
  EXPECT_EQ(TermsOf(*window), (std::vector<std::string>{"X*SIN(X+P)", "X^2/4-2"}));
  const QImage picture = Picture();
  EXPECT_GT(CountColour(picture, kBlue), 200);
  EXPECT_GT(CountColour(picture, kRed), 200);
}

TEST_F(WindowTest, TypedTermIsUpperCasedAndEnterRedraws) {
  const QImage before = Picture();
  window->ed_f1->setFocus();
  window->ed_f1->selectAll();
  QTest::keyClicks(window->ed_f1, "x^2/3-1");
  EXPECT_EQ(window->ed_f1->text(), "X^2/3-1");
  QTest::keyClick(window->ed_f1, Qt::Key_Return);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X^2/3-1"});
  EXPECT_NE(Picture(), before);

  // The keypad's Enter is the same command.
  QTest::keyClicks(window->ed_f1, "+X");
  QTest::keyClick(window->ed_f1, Qt::Key_Enter);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X^2/3-1+X"});
}

TEST_F(WindowTest, DrawReadsParametersPAndQ) {
  window->Plotter().SetParameters({.p = 1, .q = 0});
  window->ed_parameter->setText("2*PI");
  window->b_zeichnen->click();
  EXPECT_NEAR(window->Plotter().Params().p, 6.283185307179586, 1e-12);
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 2) << "the field shows Q = 2";

  // Q typed and Enter changes the graph of X+Q.
  window->ed_f1->setText("X+Q");
  window->b_zeichnen->click();
  const QImage with_two = Picture();
  window->ed_q->setText("3");
  QTest::keyClick(window->ed_q, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 3);
  EXPECT_NE(Picture(), with_two);

  // An empty field keeps the previous value; an unreadable one gives 0.
  window->ed_parameter->clear();
  window->Zeichnen1->trigger();
  EXPECT_NEAR(window->Plotter().Params().p, 6.283185307179586, 1e-12);
  window->ed_parameter->setText("1+");
  window->Zeichnen1->trigger();
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 0);
}

TEST_F(WindowTest, EmptyOrUncheckedTermFieldsAreLeftOut) {
  window->ed_f3->setText("X");
  window->c_f1->setChecked(false);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X"});
  window->ed_f3->clear();
  window->b_zeichnen->click();
  EXPECT_TRUE(TermsOf(*window).empty());
}

// The 22 option items: each flips only its own check mark and changes the picture. With the
// default terms every item draws something different (P = 1 makes f1(p*x) and p*f1(x) equal to
// f1, but in the next curve colour).
TEST_F(WindowTest, EveryOptionItemFlipsItsCheckMarkAndChangesThePicture) {
  const std::vector<QAction*> options = {
      window->MAchsen1, window->MAchsen21, window->M_rahmen, window->M_winkel, window->M_bogen,
      window->m_raster, window->m_mmraster, window->m_terme, window->m_farbe,
      window->spiegelungxachse, window->spiegelungursprung, window->spiegelungyachse,
      window->verschiebungxachse, window->streckungxachse, window->verschiebungyachse,
      window->streckungyachse, window->nacheinanderausfuehrung, window->funktionsaddition,
      window->funktionssubtraktion1, window->funktionsmultiplikation, window->funktionsdivision1,
      window->Umkehrkurvezuf1x1};
  ASSERT_EQ(options.size(), 22u);
  const QStringList initially_checked = {"MAchsen1", "m_raster", "m_terme", "m_farbe"};
  for (QAction* item : options) {
    SCOPED_TRACE(item->objectName().toStdString());
    EXPECT_TRUE(item->isCheckable());
    EXPECT_EQ(item->isChecked(), initially_checked.contains(item->objectName()));
  }
  for (QAction* item : options) {
    SCOPED_TRACE(item->objectName().toStdString());
    const bool was = item->isChecked();
    const QImage before = Picture();
    item->trigger();
    EXPECT_EQ(item->isChecked(), !was);
    EXPECT_NE(Picture(), before);
    for (QAction* other : options) {
      if (other != item) {
        EXPECT_EQ(other->isChecked(), initially_checked.contains(other->objectName()));
      }
    }
    item->trigger();
    EXPECT_EQ(item->isChecked(), was);
    EXPECT_EQ(Picture(), before) << "switching back restores the picture";
  }
}

TEST_F(WindowTest, DegreesAndRadiansAreIndependentSwitches) {
  window->M_winkel->trigger();
  window->M_bogen->trigger();
  EXPECT_TRUE(window->M_winkel->isChecked());
  EXPECT_TRUE(window->M_bogen->isChecked());
}

TEST_F(WindowTest, ColourSwitchOffDrawsTheCurvesBlack) {
  window->c_f2->setChecked(true);
  window->m_farbe->trigger();
  const QImage picture = Picture();
  EXPECT_EQ(CountColour(picture, kBlue), 0);
  EXPECT_EQ(CountColour(picture, kRed), 0);
}

TEST_F(WindowTest, ResultListToggleShowsTheMemoNarrowsTheAreaAndEnablesCopying) {
  window->c_ergebnisliste->click();
  EXPECT_FALSE(window->Mergebnis->isHidden());
  EXPECT_TRUE(window->M1->isEnabled());
  EXPECT_EQ(window->PaintBox1->size(), QSize(606, 597));
  ExpectBasicSetting(*window);  // x still -6..6, y for the narrower area
  QTest::qWait(0);              // the resized area repaints through the toolkit
  QApplication::processEvents();
  EXPECT_EQ(Picture().deviceIndependentSize().toSize(), QSize(606, 597));

  ExpectMemoShowsResultList(*window);

  window->c_ergebnisliste->click();
  EXPECT_TRUE(window->Mergebnis->isHidden());
  EXPECT_FALSE(window->M1->isEnabled());
  EXPECT_EQ(window->PaintBox1->size(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  ExpectBasicSetting(*window);
}

TEST_F(WindowTest, MemoFollowsEveryRepaintWhileShown) {
  window->c_ergebnisliste->click();
  window->c_f2->setChecked(true);
  ExpectMemoShowsResultList(*window);
  EXPECT_TRUE(window->Mergebnis->toPlainText().contains("X^2/4-2")) << "the line of the second term";
  window->c_f2->setChecked(false);
  ExpectMemoShowsResultList(*window);
  EXPECT_FALSE(window->Mergebnis->toPlainText().contains("X^2/4-2"));

  // A hidden memo is left alone until it is shown again.
  window->c_ergebnisliste->click();
  window->c_f2->setChecked(true);
  EXPECT_FALSE(window->Mergebnis->toPlainText().contains("X^2/4-2"));
  window->c_ergebnisliste->click();
  EXPECT_TRUE(window->Mergebnis->toPlainText().contains("X^2/4-2"));
}

TEST_F(WindowTest, DerivativeButtonsFillF3AndF4AndDraw) {
  window->button_fstrich->click();
  EXPECT_EQ(window->ed_f3->text(), "SIN(X+P)+X*COS(X+P)");
  window->button_f2strich->click();
  EXPECT_EQ(window->ed_f4->text(), "2*COS(X+P)-X*SIN(X+P)");
  EXPECT_EQ(TermsOf(*window),
            (std::vector<std::string>{"X*SIN(X+P)", "SIN(X+P)+X*COS(X+P)", "2*COS(X+P)-X*SIN(X+P)"}));

  window->ed_f1->setText("3*X^4-2*X^2+1");
  window->button_fstrich->click();
  EXPECT_EQ(window->ed_f3->text(), "12*X^3-4*X");
  window->ed_f1->setText("X^0.5");
  window->button_f2strich->click();
  EXPECT_EQ(window->ed_f4->text(), "-0.25*X^(-1.5)");

  // A term the differentiator cannot read empties both fields, which Draw then skips.
  window->ed_f1->setText("SI(X)");
  window->button_fstrich->click();
  window->button_f2strich->click();
  EXPECT_EQ(window->ed_f3->text(), "");
  EXPECT_EQ(window->ed_f4->text(), "");
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"SI(X)"});
}

TEST_F(WindowTest, AdjustYResolutionScalesTheXRangeWithoutCentring) {
  window->Plotter().SetView({0, 10, 3, 4});
  window->aufloesunganpassen->trigger();
  const plot::PlotView v = window->Plotter().View();
  EXPECT_DOUBLE_EQ(v.x_min, 0);
  EXPECT_DOUBLE_EQ(v.x_max, 10);
  EXPECT_DOUBLE_EQ(v.y_min, 0);
  EXPECT_DOUBLE_EQ(v.y_max, 10.0 * plot::kDefaultAreaHeight / plot::kDefaultAreaWidth);
}

TEST_F(WindowTest, ResizeKeepsTheXRangeAndRepaintsAtTheNewSize) {
  window->Plotter().SetView({-2, 2, -1, 1});
  window->resize(window->width() + 100, window->height() + 50);
  QApplication::processEvents();
  EXPECT_EQ(window->PaintBox1->size(), QSize(946, 647));
  const plot::PlotView v = window->Plotter().View();
  EXPECT_DOUBLE_EQ(v.x_min, -2);
  EXPECT_DOUBLE_EQ(v.x_max, 2);
  EXPECT_DOUBLE_EQ(v.y_max, 2.0 * 647 / 946);
  window->PaintBox1->repaint();
  EXPECT_EQ(Picture().deviceIndependentSize().toSize(), QSize(946, 647));
}

TEST_F(WindowTest, GraphWidthStepperThickensTheCurves) {
  const int thin = CountColour(Picture(), kBlue);
  window->UpDown1->Click(UpDown::Direction::Down);
  EXPECT_EQ(window->ed_breite->text(), "1") << "no wrap below 1";
  for (int i = 0; i < 8; ++i) window->UpDown1->Click(UpDown::Direction::Up);
  EXPECT_EQ(window->ed_breite->text(), "6") << "no wrap above 6";
  EXPECT_GT(CountColour(Picture(), kBlue), 3 * thin);

  // A typed width counts too; text that is no width in range leaves the last one.
  window->ed_breite->setText("2");
  EXPECT_EQ(window->SnapshotControls().graph_width, 2);
  window->ed_breite->setText("9");
  EXPECT_EQ(window->SnapshotControls().graph_width, 2);
}

TEST_F(WindowTest, ControlsAndMenuStartAsDesigned) {
  EXPECT_TRUE(window->c_f1->isChecked());
  EXPECT_FALSE(window->c_f2->isChecked());
  EXPECT_TRUE(window->c_f3->isChecked());
  EXPECT_TRUE(window->c_f4->isChecked());
  EXPECT_TRUE(window->rb_parameter->isChecked());
  EXPECT_EQ(window->ed_delta->text(), "0,08");
  EXPECT_EQ(window->ed_schardiff->text(), "0,1");
  EXPECT_EQ(window->Label11->text(), ";       )");
  EXPECT_EQ(window->button_f2strich->text(), "f1\"(x)");
  EXPECT_EQ(window->Label16->text(), QString(QChar(0x0394)));
  EXPECT_EQ(window->sgrundeinstellung->toolTip(), "Basic setting");

  // The window's start values are the ones the drawing core assumes for a fresh snapshot.
  const plot::Controls fresh;
  const plot::Controls shown = window->SnapshotControls();
  EXPECT_EQ(shown.f1_term, fresh.f1_term);
  EXPECT_EQ(shown.domain_from, fresh.domain_from);
  EXPECT_EQ(shown.interval_from, fresh.interval_from);
  EXPECT_EQ(shown.parameter_q, fresh.parameter_q);
  EXPECT_EQ(shown.point_a_x, fresh.point_a_x);
  EXPECT_EQ(shown.point_b_x, fresh.point_b_x);
  EXPECT_EQ(shown.coloured_graphs, fresh.coloured_graphs);
  EXPECT_EQ(shown.axes, fresh.axes);

  QStringList top;
  for (QAction* a : window->menuBar()->actions()) top << a->text();
  // "File" (the worksheets) first, where desktop programs keep opening and saving.
  EXPECT_EQ(top, (QStringList{"File", "Close", "Edit", "Coordinate system", "Special functions", "Help",
                              "About ..."}));
  EXPECT_EQ(window->M02->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_EQ(window->grundeinstellung->shortcut(), QKeySequence(Qt::Key_Space));
  EXPECT_EQ(window->Animation1->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window->Zeichnen1->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)}));
  EXPECT_EQ(window->M_ksystem->actions().size(), 21);  // 18 items and 3 separators
  EXPECT_EQ(window->M2->actions().size(), 18);         // 13 items, 3 separators, then Trace
}

TEST_F(WindowTest, TabMovesThroughTheTermsFirstThenTheViewButtons) {
  EXPECT_EQ(window->ed_f1->nextInFocusChain(), window->c_f2);
  EXPECT_EQ(window->ed_f4->nextInFocusChain(), window->button_fstrich);
  // Every view button is reached with Tab, then the option column, the memo and the drawing.
  const std::vector<QWidget*> order = {window->button_f2strich, window->slinks, window->shoch,
                                       window->srunter, window->srechts, window->sgroesser,
                                       window->skleiner, window->sgrundeinstellung, window->ed_breite};
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_EQ(order[i - 1]->nextInFocusChain(), order[i]) << i;
    EXPECT_TRUE(order[i]->focusPolicy() & Qt::TabFocus) << i;
  }
  window->c_ergebnisliste->click();
  window->Mergebnis->setFocus();
  QTest::keyClick(window->Mergebnis, Qt::Key_Tab);
  EXPECT_TRUE(window->PaintBox1->hasFocus());
}

TEST_F(WindowTest, EscapeClosesTheWindow) {
  QTest::keyClick(window->ed_f1, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace plotwerk::ui
