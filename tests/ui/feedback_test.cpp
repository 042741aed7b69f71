// What the window tells the user: field marks, the status line with the mouse position and the
// trace, the derivative buttons' reasons, fresh captions, and the layout on small windows.
#include <QAction>
#include <QKeyEvent>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

#include "fktint/fktint.h"
#include "tests/ui/window_fixture.h"
#include "ui/field_marks.h"
#include "ui/mouse_status.h"
#include "ui/save_format.h"
#include "ui/window_fit.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

class FeedbackTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    marks = window->findChild<FieldMarks*>("FieldMarks");
    mouse = window->findChild<MouseStatus*>("MouseStatus");
    ASSERT_NE(marks, nullptr);
    ASSERT_NE(mouse, nullptr);
  }
  bool Red(TermEdit* field) const { return field->palette().color(QPalette::Base) == kMarkColour; }
  QString Message() const { return window->Status()->Message(); }
  QString Position() const { return window->Status()->Position(); }
  void MoveMouse(int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(x, y);
    QMouseEvent e(QEvent::MouseMove, local, window->DrawingArea()->mapToGlobal(local), Qt::NoButton,
                  Qt::NoButton, modifiers);
    QApplication::sendEvent(window->DrawingArea(), &e);
  }

  FieldMarks* marks = nullptr;
  MouseStatus* mouse = nullptr;
};

TEST_F(FeedbackTest, WrongFieldsAreMarkedUntilTheyRead) {
  EXPECT_EQ(Message(), "");
  window->Terms().f1_term->setText("X2");
  EXPECT_TRUE(Red(window->Terms().f1_term));
  EXPECT_EQ(window->Terms().f1_term->toolTip(), "position 2: unexpected character '2'");
  EXPECT_EQ(Message(), "f1(x): position 2: unexpected character '2'");

  window->Options().parameter_p->setText("ABC");  // read as 0 without a word before
  EXPECT_TRUE(Red(window->Options().parameter_p));
  EXPECT_EQ(Message(), "P: position 1: '(' missing after name 'ABC'");
  window->Options().animation_step->setText("1/0");
  EXPECT_EQ(Message(), QString::fromUtf8("Δ: no value here, read as 0"));

  window->Options().animation_step->setText("0,08");
  window->Options().parameter_p->setText("2*PI");
  EXPECT_FALSE(Red(window->Options().parameter_p));
  EXPECT_EQ(Message(), "f1(x): position 2: unexpected character '2'") << "the one left";
  window->Terms().f1_term->setText("2*X");
  EXPECT_FALSE(Red(window->Terms().f1_term));
  EXPECT_EQ(window->Terms().f1_term->toolTip(), "");
  EXPECT_EQ(Message(), "");
  // Implicit products are not wrong; the status line says how they are read.
  window->Terms().f1_term->setText("2PX^2");
  EXPECT_FALSE(Red(window->Terms().f1_term));
  EXPECT_EQ(Message(), "f1(x): read as 2*P*X^2");
  window->Terms().f1_term->setText("2*X");
  EXPECT_EQ(Message(), "");
  window->Terms().f3_term->setText("");
  EXPECT_FALSE(Red(window->Terms().f3_term)) << "an empty field is not wrong";
}

TEST_F(FeedbackTest, TermThatCannotBeReadGetsNoLegend) {
  window->Terms().f1_term->setText("X)*2");  // read as y = x before: now not drawn at all
  window->Terms().f2_term->setText("-1");  // a line far below the legend rows
  window->Terms().f2_plotted->setChecked(true);  // draws, and the legend is on from the start
  const QImage picture = Picture();
  auto row_has_ink = [&](int top) {
    for (int y = top; y < top + 12; ++y) {
      for (int x = 16; x < 200; ++x) {
        const QRgb c = picture.pixel(x, y) | 0xFF000000u;
        if (qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80) return true;  // f2 is red
        if (qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80) return true;  // f1 would be blue
      }
    }
    return false;
  };
  // f2 is the only curve, so it takes the first row and colour, as when f1 is unchecked; no
  // row is left for a caption of f1.
  EXPECT_EQ(window->Plotter().Terms().Terms(), std::vector<std::string>{"-1"}) << "no curve of f1";
  EXPECT_TRUE(row_has_ink(16)) << "f2's label";
  EXPECT_FALSE(row_has_ink(32)) << "no label for X)*2";
}

TEST_F(FeedbackTest, DerivativeButtonsSayWhyTheyFailed) {
  struct Case {
    const char* f1;
    const char* message;
  };
  const Case cases[] = {
      {"SIN(X)+GAMMA(X)", "the differentiator does not know the function GAMMA"},
      {"X2", "f1(x) cannot be read (position 2: unexpected character '2'): no derivative"},
      {"", "f1(x) is empty: no derivative"},
      {"[X]", "the differentiator cannot read this form of f1(x) ([ ] is not supported)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.f1);
    window->Terms().f1_term->setText(c.f1);
    window->Terms().derive_button->click();
    EXPECT_EQ(window->Terms().f3_term->text(), "");
    EXPECT_EQ(Message(), c.message);
  }
  window->Terms().f1_term->setText("X^3");
  EXPECT_EQ(Message(), "") << "the reason was about the old f1";
  window->Terms().f1_term->setText("SI(X)");
  window->Terms().derive_twice_button->click();
  EXPECT_FALSE(Message().isEmpty());
  window->Terms().f1_term->setText("X^3");
  window->Terms().derive_twice_button->click();
  EXPECT_EQ(window->Terms().f4_term->text(), "6*X");
  EXPECT_EQ(Message(), "");
}

TEST_F(FeedbackTest, StatusLineShowsWorldCoordinatesAndClearsOnLeave) {
  const plot::ScreenMapping& m = window->Plotter().Mapping();
  MoveMouse(m.origin_x + 141, m.origin_y - 71);  // 70.5 pixels per unit: two decimals
  const double x = m.PixelToWorldX(m.origin_x + 141);
  const double y = (m.origin_y_real - (m.origin_y - 71)) / m.y_scale;
  EXPECT_EQ(Position(), QString("(%1; %2)")
                            .arg(QString::fromStdString(fktint::FormatNumber(1, 2, x)),
                                 QString::fromStdString(fktint::FormatNumber(1, 2, y))));
  EXPECT_TRUE(Position().contains(',')) << "decimal comma";
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(window->DrawingArea(), &leave);
  EXPECT_EQ(Position(), "");
  EXPECT_EQ(DecimalsForScale(70.5), 2);
  EXPECT_EQ(DecimalsForScale(0.001), 0);
  EXPECT_EQ(DecimalsForScale(5e6), 7);
}

TEST_F(FeedbackTest, TraceFollowsF1WithoutTouchingThePicture) {
  window->Terms().f1_term->setText("X^2/4");
  window->Options().point_a->setChecked(true);
  window->OnDrawClicked();
  const QImage before = Picture();
  const plot::ScreenMapping& m = window->Plotter().Mapping();
  const int px = m.origin_x + 141;  // x = 2 at 70.5 pixels per unit
  MoveMouse(px, 20, kTraceModifier);
  EXPECT_EQ(Position(), "x = 2   f1(x) = 1");
  const std::optional<QPoint> cross = mouse->overlay->Cross();
  ASSERT_TRUE(cross.has_value());
  EXPECT_EQ(cross->x(), px);
  EXPECT_NEAR(cross->y(), m.WorldToPixelY(1), 0.5);
  EXPECT_EQ(Picture(), before) << "the cross is not part of the picture";

  // Without the key and the menu item: coordinates again, no cross.
  MoveMouse(px, 20);
  EXPECT_TRUE(Position().startsWith('('));
  EXPECT_FALSE(mouse->overlay->Cross().has_value());
  // Pressing the key over a resting mouse starts the trace, releasing it ends it.
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
  QApplication::sendEvent(window->Terms().f1_term, &press);
  EXPECT_EQ(Position(), "x = 2   f1(x) = 1");
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
  QApplication::sendEvent(window->Terms().f1_term, &release);
  EXPECT_TRUE(Position().startsWith('('));

  // The menu item; where f1 has no value the status line says so.
  mouse->trace_item->setChecked(true);
  window->Terms().f1_term->setText("SQRT(X)");
  window->OnDrawClicked();
  MoveMouse(m.origin_x - 141, 20);
  EXPECT_EQ(Position(), "x = -2   f1(x) undefined");
  EXPECT_FALSE(mouse->overlay->Cross().has_value());
  MoveMouse(m.origin_x + 282, 20);
  EXPECT_EQ(Position(), "x = 4   f1(x) = 2");
}

TEST_F(FeedbackTest, CaptionsOfAAndTheIntegralNeverStayStale) {
  window->Options().point_a->setChecked(true);
  window->Options().integral->setChecked(true);
  EXPECT_NE(window->Options().point_a_y_caption->text(), ";       )");
  EXPECT_NE(window->Options().integral_caption->text(), "= ");
  window->Options().point_a->setChecked(false);
  window->Options().integral->setChecked(false);
  EXPECT_EQ(window->Options().point_a_y_caption->text(), ";       )");
  EXPECT_EQ(window->Options().integral_caption->text(), "= ");
  EXPECT_EQ(window->Options().area_caption->text(), "= ");
  window->Options().point_a->setChecked(true);
  window->Terms().f1_plotted->setChecked(false);  // no first term: nothing to show
  EXPECT_EQ(window->Options().point_a_y_caption->text(), ";       )");
}

TEST_F(FeedbackTest, NumberFieldsShowTheirWholeText) {
  const OptionWidgets& o = window->Options();
  for (auto [field, text] : {std::pair{o.parameter_q, "100000"}, std::pair{o.animation_step, "0,00001"},
                             std::pair{o.domain_from, "-100000"}, std::pair{o.point_a_x, "-12,34"}}) {
    SCOPED_TRACE(text);
    field->setText(text);
    QStyleOptionFrame option;
    option.initFrom(field);
    option.rect = field->rect();
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    constexpr int kInnerMargins = 2 * 2;  // the edit's own horizontal margins around the text
    EXPECT_LE(field->fontMetrics().horizontalAdvance(text), contents.width() - kInnerMargins);
    EXPECT_GE(field->font().pointSizeF(), 6);
  }
  window->Options().parameter_q->setText("2");
  EXPECT_EQ(window->Options().parameter_q->font(), window->Options().parameter_p->font()) << "short text: the usual font";
}

TEST_F(FeedbackTest, ReflectionCaptionsNameTheRightAxis) {
  EXPECT_EQ(window->Menu().mirror_in_x_axis->text(), "f1(-x) , Reflection on y-axis");
  EXPECT_EQ(window->Menu().mirror_in_y_axis->text(), "-f1(x) , Reflection on x-axis");
}

TEST(SaveFormat, ATypedKnownExtensionDecides) {
  using platform::PictureFormat;
  const int gif_entry = 3, bmp16_entry = 2;
  EXPECT_EQ(FormatForSavedName("/tmp/graph.png", gif_entry), PictureFormat::Png);
  EXPECT_EQ(FormatForSavedName("/tmp/graph.PDF", gif_entry), PictureFormat::Pdf);
  EXPECT_EQ(FormatForSavedName("/tmp/graph.bmp", gif_entry), PictureFormat::Bmp);
  EXPECT_EQ(FormatForSavedName("/tmp/graph.bmp", bmp16_entry), PictureFormat::Bmp16);
  EXPECT_EQ(FormatForSavedName("/tmp/graph.wmf", 1), PictureFormat::Emf);
  EXPECT_EQ(FormatForSavedName("/tmp/graph.v2", gif_entry), PictureFormat::Gif);
  EXPECT_EQ(FormatForSavedName("/tmp/graph", 6), PictureFormat::Svg);
}

TEST(WindowFit, OpensOnTheScreenItIsGiven) {
  const QSize design(1042, 730);
  // Room enough: the design size, centred.
  EXPECT_EQ(InitialGeometry(design, QRect(0, 0, 1920, 1050)).size(), design);
  // A 1366 x 768 laptop with a panel, at 100 % and at 125 % (1093 x 614 logical pixels).
  for (const QRect& screen : {QRect(0, 0, 1366, 728), QRect(0, 0, 1093, 574)}) {
    const QRect g = InitialGeometry(design, screen);
    SCOPED_TRACE(screen.height());
    EXPECT_TRUE(screen.contains(g.adjusted(-kFrameAllowanceSide, -kFrameAllowanceTop,
                                           kFrameAllowanceSide, kFrameAllowanceSide)));
    EXPECT_EQ(g.width(), 1042);
  }
}

TEST_F(FeedbackTest, SmallWindowKeepsEveryControlUsable) {
  window->resize(700, 420);
  QApplication::processEvents();
  // The term panel: all four fields and both buttons inside the panel.
  const TermWidgets& t = window->Terms();
  for (QWidget* w : std::initializer_list<QWidget*>{t.f1_term, t.f2_term, t.f3_term, t.f4_term, t.derive_button,
                                                    t.derive_twice_button}) {
    SCOPED_TRACE(w->objectName().toStdString());
    EXPECT_TRUE(window->Panels().term_panel->rect().contains(w->geometry())) << w->geometry().x();
    EXPECT_GE(w->width(), 40);
  }
  // The option column scrolls to its last control, which stays fully inside the column.
  auto* scroll = window->findChild<QScrollArea*>("options_scroll");
  ASSERT_NE(scroll, nullptr);
  EXPECT_GT(scroll->verticalScrollBar()->maximum(), 0);
  scroll->ensureWidgetVisible(window->Options().value_table);
  QApplication::processEvents();
  const QRect last(window->Options().value_table->mapTo(scroll->viewport(), QPoint(0, 0)),
                   window->Options().value_table->size());
  EXPECT_TRUE(scroll->viewport()->rect().contains(last));
  // Draw and Result List stand below the scrolling part, in sight without scrolling.
  const QRect pinned(window->Options().result_list->mapTo(window.get(), QPoint(0, 0)), window->Options().result_list->size());
  EXPECT_TRUE(window->rect().contains(pinned));
  EXPECT_GE(window->DrawingArea()->width(), 40);
  // Back at the design size the fields have their design width.
  window->resize(1042, window->height() + 400);
  QApplication::processEvents();
  EXPECT_EQ(window->Terms().f1_term->width(), 290);
  EXPECT_EQ(window->Terms().derive_button->x(), 752);
}

}  // namespace
}  // namespace plotwerk::ui
