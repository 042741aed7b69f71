// The window on small screens, with the keyboard alone and through a screen reader's eyes:
// Draw and Result List always in sight, the memo never cutting a line, shortcuts, focus after a
// dialog, and an accessible name and description for every control.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSet>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>

#include "plot/graphs.h"
#include "tests/ui/window_fixture.h"
#include "ui/status_line.h"
#include "ui/window_fit.h"

namespace plotwerk::ui {
namespace {

using testing::CountColour;
using testing::WindowTest;

// The rectangle of a widget in the coordinates of the window's central widget.
QRect InCentral(const MainWindow& w, const QWidget* widget) {
  return QRect(widget->mapTo(w.centralWidget(), QPoint(0, 0)), widget->size());
}

// Screens the window must work on, in logical pixels: 1366 x 768 at 100 % and at 125 %
// (QT_SCALE_FACTOR=1.25 gives 1093 x 614), and 800 x 600. A panel of 30 pixels takes the bottom.
TEST_F(WindowTest, DrawAndResultListStayInSightOnSmallScreens) {
  const QSize screens[] = {{1366, 768}, {1093, 614}, {800, 600}};
  for (const QSize screen : screens) {
    SCOPED_TRACE(screen.width());
    const QSize wanted(plot::kDefaultAreaWidth + kOptionColumnWidth, 745);
    window->setGeometry(InitialGeometry(wanted, QRect(QPoint(0, 0), screen - QSize(0, 30))));
    QApplication::processEvents();
    const QRect central = window->centralWidget()->rect();
    for (const QWidget* w : {static_cast<QWidget*>(window->Options().draw_button), static_cast<QWidget*>(window->Options().result_list)}) {
      EXPECT_TRUE(central.contains(InCentral(*window, w))) << w->objectName().toStdString();
      EXPECT_TRUE(w->isVisible());
    }
    // The last control of the scrolling part can be scrolled fully into view.
    auto* scroll = window->findChild<QScrollArea*>("options_scroll");
    ASSERT_NE(scroll, nullptr);
    scroll->ensureWidgetVisible(window->Options().value_table, 0, 0);
    QApplication::processEvents();
    const QRect last(window->Options().value_table->mapTo(scroll->viewport(), QPoint(0, 0)),
                     window->Options().value_table->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(last));
    EXPECT_GE(window->Options().value_table->width(), window->Options().value_table->sizeHint().width());
  }
}

TEST_F(WindowTest, ResultMemoWidensForItsLongestLineAndWrapsBeyondHalfTheRoom) {
  window->Options().result_list->click();
  EXPECT_EQ(window->ResultMemo()->width(), kResultMemoLeastWidth) << "the start list fits the design width";

  const QString longer = "X*SIN(X+P)+X^2/100+COS(X)/7+SIN(2*X)/9";
  window->Terms().f1_term->setText(longer);
  window->OnDrawClicked();
  const QFontMetricsF metrics(window->ResultMemo()->font());
  qreal longest = 0;
  for (const QString& line : window->ResultMemo()->toPlainText().split('\n')) {
    longest = std::max(longest, ResultLineAdvance(metrics, line, window->ResultMemo()->tabStopDistance()));
  }
  EXPECT_GT(longest, kResultMemoLeastWidth);
  EXPECT_GT(window->ResultMemo()->viewport()->width(), longest) << "the longest line is not cut";

  // A term as long as a field holds would take more than half the room: the memo stops there
  // and the line wraps instead of being cut.
  window->Terms().f1_term->setText(QString("X+").repeated(120) + "X");
  window->OnDrawClicked();
  QApplication::processEvents();
  EXPECT_LE(window->ResultMemo()->width(), std::max(kResultMemoLeastWidth, window->Panels().picture_panel->width() / 2));
  const QTextBlock first = window->ResultMemo()->document()->firstBlock();
  ASSERT_NE(first.layout(), nullptr);
  EXPECT_GT(first.layout()->lineCount(), 1);
}

TEST_F(WindowTest, SecondTermKeepsItsRedWithTheAntiderivativeOn) {
  window->Terms().f2_plotted->setChecked(true);
  window->Options().antiderivative->setChecked(true);
  const QImage picture = Picture();
  EXPECT_GT(CountColour(picture, qRgb(255, 0, 0)), 300) << "f2";
  EXPECT_EQ(CountColour(picture, qRgb(0, 128, 0)), 0) << "nothing takes f3's green";
  EXPECT_GT(CountColour(picture, qRgb(255, 128, 0)), 300) << "the antiderivative in its own colour";
}

TEST_F(WindowTest, KeyboardZoomsMovesAndLeavesSpaceToTheFocusedButton) {
  const double start = window->Plotter().View().x_max - window->Plotter().View().x_min;
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Plus, Qt::ControlModifier);
  const double zoomed = window->Plotter().View().x_max - window->Plotter().View().x_min;
  EXPECT_LT(zoomed, start);
  QTest::keyClick(window->Terms().f1_term, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_GT(window->Plotter().View().x_max - window->Plotter().View().x_min, zoomed);

  // The arrow keys on the drawing area move the view as the arrow buttons do.
  window->DrawingArea()->setFocus();
  const plot::PlotView before = window->Plotter().View();
  window->Navigation().move_right_button->click();
  const plot::PlotView by_button = window->Plotter().View();
  window->Plotter().SetView(before);
  QTest::keyClick(window->DrawingArea(), Qt::Key_Right);
  EXPECT_EQ(window->Plotter().View(), by_button);
  EXPECT_NE(by_button, before);
  window->Plotter().SetView(before);
  window->Navigation().move_up_button->click();
  const plot::PlotView up = window->Plotter().View();
  window->Plotter().SetView(before);
  QTest::keyClick(window->DrawingArea(), Qt::Key_Up);
  EXPECT_EQ(window->Plotter().View(), up);

  // Up and Down in the field of P step it as its stepper does.
  window->Options().parameter_p->setFocus();
  QTest::keyClick(window->Options().parameter_p, Qt::Key_Up);
  const QString stepped = window->Options().parameter_p->text();
  EXPECT_NE(stepped, "1");
  window->Options().parameter_p_stepper->Click(UpDown::Direction::Down);
  EXPECT_EQ(window->Options().parameter_p->text(), "1");
  QTest::keyClick(window->Options().parameter_p, Qt::Key_Up);
  EXPECT_EQ(window->Options().parameter_p->text(), stepped);

  // Space presses the focused button; it does not reset the view.
  window->Plotter().SetView({1, 2, 3, 4});
  window->Options().zeros->setFocus();
  QTest::keyClick(window->Options().zeros, Qt::Key_Space);
  EXPECT_TRUE(window->Options().zeros->isChecked());
  EXPECT_EQ(window->Plotter().View(), (plot::PlotView{1, 2, 3, 4}));
  QTest::keyClick(window->Options().zeros, Qt::Key_0, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(window->Plotter().View().x_min, -6) << "Ctrl+0 is the basic setting";
}

TEST_F(WindowTest, FocusComesBackAfterADialogSoShortcutsWorkAgain) {
  window->Terms().f2_term->setFocus();
  QDialog question(window.get());
  QTimer::singleShot(0, &question, [&] { question.reject(); });
  question.exec();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->isActiveWindow() && window->Terms().f2_term->hasFocus(); }));
  QTest::keyClick(window->Terms().f2_term, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible()) << "Esc closes the window without a click first";
}

// The controls a user operates, on the main window itself.
QList<QWidget*> Controls(MainWindow& w) {
  QList<QWidget*> out;
  for (QWidget* c : w.findChildren<QWidget*>()) {
    if (c->window() != &w || !c->isVisibleTo(&w)) continue;
    if (qobject_cast<QAbstractButton*>(c) || qobject_cast<QLineEdit*>(c) || qobject_cast<QPlainTextEdit*>(c) ||
        qobject_cast<PaintBox*>(c) || qobject_cast<UpDown*>(c)) {
      out << c;
    }
  }
  return out;
}

TEST_F(WindowTest, EveryControlHasAnAccessibleNameAndDescription) {
  window->Options().result_list->click();
  const QList<QWidget*> controls = Controls(*window);
  EXPECT_GT(controls.size(), 60);
  QSet<QString> names;
  for (QWidget* c : controls) {
    SCOPED_TRACE(c->objectName().toStdString() + " " + c->metaObject()->className());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
    ASSERT_NE(a, nullptr);
    const QString name = a->text(QAccessible::Name);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_FALSE(a->text(QAccessible::Description).isEmpty());
    // Every control is told apart by its name alone (the menu bar's and the line edits'
    // inner buttons aside, which belong to their own widget).
    if (!c->objectName().isEmpty()) {
      EXPECT_FALSE(names.contains(name.toLower())) << name.toStdString();
    }
    names.insert(name.toLower());
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->Terms().f3_term)->text(QAccessible::Name), "Term f3(x)");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(window->Navigation().zoom_in_button)->text(QAccessible::Name), "Zoom in");
}

TEST_F(WindowTest, DrawingDescriptionNamesTheCurvesAndThePointsFound) {
  window->Terms().f2_plotted->setChecked(true);
  window->Options().zeros->setChecked(true);
  const QString description =
      QAccessible::queryAccessibleInterface(window->DrawingArea())->text(QAccessible::Description);
  EXPECT_TRUE(description.startsWith("f1(x) = X*SIN(X+P), blue; f2(x) = X^2/4-2, red; ")) << description.toStdString();
  // X*SIN(X+1) is 0 at -PI-1, -1, 0 and PI-1 in the search interval -6 to 6 (and 2*PI-1).
  for (const char* part : {"; Zeros; -4,14; -1; 0; 2,14; 5,28"}) {
    EXPECT_TRUE(description.contains(part)) << description.toStdString();
  }
  window->Terms().f1_plotted->setChecked(false);
  window->Terms().f2_plotted->setChecked(false);
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(window->DrawingArea())
                  ->text(QAccessible::Description)
                  .startsWith("No curve drawn"));
}

}  // namespace
}  // namespace plotwerk::ui
