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

std::vector<std::string> TermsOf(MainWindow& w) { return w.Plotter().Terms().Terms(); }

void ExpectMemoShowsResultList(MainWindow& w) {
  QStringList lines;
  for (const std::string& line : w.Plotter().Results().Lines()) lines << QString::fromLatin1(line);
  EXPECT_EQ(w.ResultMemo()->toPlainText(), lines.join('\n'));
}

void ExpectBasicSetting(MainWindow& w) {
  const plot::PlotView v = w.Plotter().View();
  const double ratio = double(w.PaintHeight()) / w.PaintWidth();
  EXPECT_DOUBLE_EQ(v.x_min, -6);
  EXPECT_DOUBLE_EQ(v.x_max, 6);
  EXPECT_NEAR(v.y_min, -6 * ratio, 1e-12);
  EXPECT_NEAR(v.y_max, 6 * ratio, 1e-12);
}

TEST_F(WindowTest, OpensWithTheFirstDefaultTermDrawnInTheBasicSetting) {
  EXPECT_EQ(window->windowTitle(), "Graphical representation of a function");
  EXPECT_EQ(window->DrawingArea()->size(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(QApplication::focusWidget(), window->Terms().f1_term) << "ready to type the first term";
  EXPECT_TRUE(window->ResultMemo()->isHidden());
  EXPECT_FALSE(window->Menu().copy_results_item->isEnabled());
  EXPECT_FALSE(window->AnimationTimer()->isActive());
  EXPECT_EQ(window->AnimationTimer()->interval(), 25);
  ExpectBasicSetting(*window);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X*SIN(X+P)"});
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 1);

  const QImage picture = Picture();
  EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  EXPECT_GT(CountColour(picture, kBlue), 200) << "f1 is drawn in the first curve colour";
  EXPECT_EQ(CountColour(picture, kRed), 0) << "f2 is unchecked at start";
}

TEST_F(WindowTest, CheckingF2AddsTheSecondTermInTheSecondColour) {
  window->Terms().f2_plotted->click();
  EXPECT_EQ(TermsOf(*window), (std::vector<std::string>{"X*SIN(X+P)", "X^2/4-2"}));
  const QImage picture = Picture();
  EXPECT_GT(CountColour(picture, kBlue), 200);
  EXPECT_GT(CountColour(picture, kRed), 200);
}

TEST_F(WindowTest, TypedTermIsUpperCasedAndEnterRedraws) {
  const QImage before = Picture();
  window->Terms().f1_term->setFocus();
  window->Terms().f1_term->selectAll();
  QTest::keyClicks(window->Terms().f1_term, "x^2/3-1");
  EXPECT_EQ(window->Terms().f1_term->text(), "X^2/3-1");
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Return);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X^2/3-1"});
  EXPECT_NE(Picture(), before);

  // The keypad's Enter is the same command.
  QTest::keyClicks(window->Terms().f1_term, "+X");
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Enter);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X^2/3-1+X"});
}

TEST_F(WindowTest, DrawReadsParametersPAndQ) {
  window->Plotter().SetParameters({.p = 1, .q = 0});
  window->Options().parameter_p->setText("2*PI");
  window->Options().draw_button->click();
  EXPECT_NEAR(window->Plotter().Params().p, 6.283185307179586, 1e-12);
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 2) << "the field shows Q = 2";

  // Q typed and Enter changes the graph of X+Q.
  window->Terms().f1_term->setText("X+Q");
  window->Options().draw_button->click();
  const QImage with_two = Picture();
  window->Options().parameter_q->setText("3");
  QTest::keyClick(window->Options().parameter_q, Qt::Key_Return);
  EXPECT_DOUBLE_EQ(window->Plotter().Params().q, 3);
  EXPECT_NE(Picture(), with_two);

  // An empty field keeps the previous value; an unreadable one gives 0.
  window->Options().parameter_p->clear();
  window->Menu().draw_item->trigger();
  EXPECT_NEAR(window->Plotter().Params().p, 6.283185307179586, 1e-12);
  window->Options().parameter_p->setText("1+");
  window->Menu().draw_item->trigger();
  EXPECT_DOUBLE_EQ(window->Plotter().Params().p, 0);
}

TEST_F(WindowTest, EmptyOrUncheckedTermFieldsAreLeftOut) {
  window->Terms().f3_term->setText("X");
  window->Terms().f1_plotted->setChecked(false);
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"X"});
  window->Terms().f3_term->clear();
  window->Options().draw_button->click();
  EXPECT_TRUE(TermsOf(*window).empty());
}

// The 22 option items: each flips only its own check mark and changes the picture. With the
// default terms every item draws something different (P = 1 makes f1(p*x) and p*f1(x) equal to
// f1, but in the next curve colour).
TEST_F(WindowTest, EveryOptionItemFlipsItsCheckMarkAndChangesThePicture) {
  const MenuItems& m = window->Menu();
  const std::vector<QAction*> options = {
      m.axes, m.bold_axes, m.frame, m.degrees, m.radians, m.grid, m.fine_grid, m.term_captions,
      m.coloured_graphs, m.mirror_in_x_axis, m.mirror_in_origin, m.mirror_in_y_axis, m.shift_along_x,
      m.stretch_along_x, m.shift_along_y, m.stretch_along_y, m.composition, m.sum_f1_f2, m.difference_f1_f2,
      m.product_f1_f2, m.quotient_f1_f2, m.inverse_of_f1};
  ASSERT_EQ(options.size(), 22u);
  const QStringList initially_checked = {"axes", "grid", "term_captions", "coloured_graphs"};
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
  window->Menu().degrees->trigger();
  window->Menu().radians->trigger();
  EXPECT_TRUE(window->Menu().degrees->isChecked());
  EXPECT_TRUE(window->Menu().radians->isChecked());
}

TEST_F(WindowTest, ColourSwitchOffDrawsTheCurvesBlack) {
  window->Terms().f2_plotted->setChecked(true);
  window->Menu().coloured_graphs->trigger();
  const QImage picture = Picture();
  EXPECT_EQ(CountColour(picture, kBlue), 0);
  EXPECT_EQ(CountColour(picture, kRed), 0);
}

TEST_F(WindowTest, ResultListToggleShowsTheMemoNarrowsTheAreaAndEnablesCopying) {
  window->Options().result_list->click();
  EXPECT_FALSE(window->ResultMemo()->isHidden());
  EXPECT_TRUE(window->Menu().copy_results_item->isEnabled());
  EXPECT_EQ(window->DrawingArea()->size(), QSize(606, 597));
  ExpectBasicSetting(*window);  // x still -6..6, y for the narrower area
  QTest::qWait(0);              // the resized area repaints through the toolkit
  QApplication::processEvents();
  EXPECT_EQ(Picture().deviceIndependentSize().toSize(), QSize(606, 597));

  ExpectMemoShowsResultList(*window);

  window->Options().result_list->click();
  EXPECT_TRUE(window->ResultMemo()->isHidden());
  EXPECT_FALSE(window->Menu().copy_results_item->isEnabled());
  EXPECT_EQ(window->DrawingArea()->size(), QSize(plot::kDefaultAreaWidth, plot::kDefaultAreaHeight));
  ExpectBasicSetting(*window);
}

TEST_F(WindowTest, MemoFollowsEveryRepaintWhileShown) {
  window->Options().result_list->click();
  window->Terms().f2_plotted->setChecked(true);
  ExpectMemoShowsResultList(*window);
  EXPECT_TRUE(window->ResultMemo()->toPlainText().contains("X^2/4-2")) << "the line of the second term";
  window->Terms().f2_plotted->setChecked(false);
  ExpectMemoShowsResultList(*window);
  EXPECT_FALSE(window->ResultMemo()->toPlainText().contains("X^2/4-2"));

  // A hidden memo is left alone until it is shown again.
  window->Options().result_list->click();
  window->Terms().f2_plotted->setChecked(true);
  EXPECT_FALSE(window->ResultMemo()->toPlainText().contains("X^2/4-2"));
  window->Options().result_list->click();
  EXPECT_TRUE(window->ResultMemo()->toPlainText().contains("X^2/4-2"));
}

TEST_F(WindowTest, DerivativeButtonsFillF3AndF4AndDraw) {
  window->Terms().derive_button->click();
  EXPECT_EQ(window->Terms().f3_term->text(), "SIN(X+P)+X*COS(X+P)");
  window->Terms().derive_twice_button->click();
  EXPECT_EQ(window->Terms().f4_term->text(), "2*COS(X+P)-X*SIN(X+P)");
  EXPECT_EQ(TermsOf(*window),
            (std::vector<std::string>{"X*SIN(X+P)", "SIN(X+P)+X*COS(X+P)", "2*COS(X+P)-X*SIN(X+P)"}));

  window->Terms().f1_term->setText("3*X^4-2*X^2+1");
  window->Terms().derive_button->click();
  EXPECT_EQ(window->Terms().f3_term->text(), "12*X^3-4*X");
  window->Terms().f1_term->setText("X^0.5");
  window->Terms().derive_twice_button->click();
  EXPECT_EQ(window->Terms().f4_term->text(), "-0.25*X^(-1.5)");

  // A term the differentiator cannot read empties both fields, which Draw then skips.
  window->Terms().f1_term->setText("SI(X)");
  window->Terms().derive_button->click();
  window->Terms().derive_twice_button->click();
  EXPECT_EQ(window->Terms().f3_term->text(), "");
  EXPECT_EQ(window->Terms().f4_term->text(), "");
  EXPECT_EQ(TermsOf(*window), std::vector<std::string>{"SI(X)"});
}

TEST_F(WindowTest, AdjustYResolutionScalesTheXRangeWithoutCentring) {
  window->Plotter().SetView({0, 10, 3, 4});
  window->Menu().adjust_y_item->trigger();
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
  EXPECT_EQ(window->DrawingArea()->size(), QSize(946, 647));
  const plot::PlotView v = window->Plotter().View();
  EXPECT_DOUBLE_EQ(v.x_min, -2);
  EXPECT_DOUBLE_EQ(v.x_max, 2);
  EXPECT_DOUBLE_EQ(v.y_max, 2.0 * 647 / 946);
  window->DrawingArea()->repaint();
  EXPECT_EQ(Picture().deviceIndependentSize().toSize(), QSize(946, 647));
}

TEST_F(WindowTest, GraphWidthStepperThickensTheCurves) {
  const int thin = CountColour(Picture(), kBlue);
  window->Options().graph_width->Click(UpDown::Direction::Down);
  EXPECT_EQ(window->Options().graph_width_text->text(), "1") << "no wrap below 1";
  for (int i = 0; i < 8; ++i) window->Options().graph_width->Click(UpDown::Direction::Up);
  EXPECT_EQ(window->Options().graph_width_text->text(), "6") << "no wrap above 6";
  EXPECT_GT(CountColour(Picture(), kBlue), 3 * thin);

  // A typed width counts too; text that is no width in range leaves the last one.
  window->Options().graph_width_text->setText("2");
  EXPECT_EQ(window->SnapshotControls().graph_width, 2);
  window->Options().graph_width_text->setText("9");
  EXPECT_EQ(window->SnapshotControls().graph_width, 2);
}

TEST_F(WindowTest, ControlsAndMenuStartAsDesigned) {
  EXPECT_TRUE(window->Terms().f1_plotted->isChecked());
  EXPECT_FALSE(window->Terms().f2_plotted->isChecked());
  EXPECT_TRUE(window->Terms().f3_plotted->isChecked());
  EXPECT_TRUE(window->Terms().f4_plotted->isChecked());
  EXPECT_TRUE(window->Options().animate_parameter->isChecked());
  EXPECT_EQ(window->Options().animation_step->text(), "0,08");
  EXPECT_EQ(window->Options().family_step->text(), "0,1");
  EXPECT_EQ(window->Options().point_a_y_caption->text(), ";       )");
  EXPECT_EQ(window->Terms().derive_twice_button->text(), "f1\"(x)");
  EXPECT_EQ(window->Options().animation_step_label->text(), QString(QChar(0x0394)));
  EXPECT_EQ(window->Navigation().basic_setting_button->toolTip(), "Basic setting");

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
  EXPECT_EQ(window->Menu().close_item->shortcut(), QKeySequence(Qt::Key_Escape));
  EXPECT_EQ(window->Menu().basic_setting_item->shortcut(), QKeySequence(Qt::Key_Space));
  EXPECT_EQ(window->Menu().animation_item->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(window->Menu().draw_item->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)}));
  EXPECT_EQ(window->Menu().coordinate_menu->actions().size(), 21);  // 18 items and 3 separators
  EXPECT_EQ(window->Menu().special_menu->actions().size(), 18);         // 13 items, 3 separators, then Trace
}

TEST_F(WindowTest, TabMovesThroughTheTermsFirstThenTheViewButtons) {
  EXPECT_EQ(window->Terms().f1_term->nextInFocusChain(), window->Terms().f2_plotted);
  EXPECT_EQ(window->Terms().f4_term->nextInFocusChain(), window->Terms().derive_button);
  // Every view button is reached with Tab, then the option column, the memo and the drawing.
  const NavigationWidgets& view = window->Navigation();
  const std::vector<QWidget*> order = {window->Terms().derive_twice_button, view.move_left_button, view.move_up_button,
                                       view.move_down_button, view.move_right_button, view.zoom_in_button,
                                       view.zoom_out_button, view.basic_setting_button, window->Options().graph_width_text};
  for (std::size_t i = 1; i < order.size(); ++i) {
    EXPECT_EQ(order[i - 1]->nextInFocusChain(), order[i]) << i;
    EXPECT_TRUE(order[i]->focusPolicy() & Qt::TabFocus) << i;
  }
  window->Options().result_list->click();
  window->ResultMemo()->setFocus();
  QTest::keyClick(window->ResultMemo(), Qt::Key_Tab);
  EXPECT_TRUE(window->DrawingArea()->hasFocus());
}

TEST_F(WindowTest, EscapeClosesTheWindow) {
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace plotwerk::ui
