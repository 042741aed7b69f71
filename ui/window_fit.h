// Fitting the main window to the screen: the opening geometry, the term panel whose fields give
// way on a narrow window, and the option column that widens for its scroll bar.
#pragma once

#include <QFontMetricsF>
#include <QRect>
#include <QSize>
#include <QString>

namespace plotwerk::ui {

class MainWindow;

// The design width of the option column beside the drawing area.
inline constexpr int kOptionColumnWidth = 196;

// The result memo is never narrower than its design width; wider lines widen it up to half the
// room beside the option column, and lines wider still wrap.
inline constexpr int kResultMemoLeastWidth = 240;

// The term panel's fixed parts (check boxes, gaps, derivative buttons, margins) and the least
// width of a term field: below 2 * kTermFieldLeastWidth + kTermPanelFixedWidth nothing shrinks.
inline constexpr int kTermPanelFixedWidth = 232;
// Design positions of the term panel, left to right: check box, field, gap, check box, field,
// gap, derivative buttons.
inline constexpr int kTermCheckLeft = 12;
inline constexpr int kTermCheckWidth = 72;
inline constexpr int kTermFieldGap = 10;
inline constexpr int kTermButtonGap = 6;
inline constexpr int kTermFieldLeastWidth = 100;
inline constexpr int kTermFieldDesignWidth = 290;
inline constexpr int kTermPanelLeastWidth = kTermPanelFixedWidth + 2 * kTermFieldLeastWidth;

// Room left around the window for the frame and title bar the window manager adds.
inline constexpr int kFrameAllowanceSide = 8;
inline constexpr int kFrameAllowanceTop = 34;

// The window's geometry (client area) for the wanted size on the available screen area:
// the wanted size where it fits with its frame, otherwise shrunk to fit; centred.
QRect InitialGeometry(QSize wanted, QRect available);

// Places the term fields and buttons for a term panel of the given width: the design positions
// from the design width up, narrower fields below it.
void LayoutTermPanel(MainWindow& window, int width);

// Sizes the result memo for the text it is about to show (its lines, '\n'-separated): as wide
// as the longest line needs, in whole steps, within the bounds above. The width depends on the
// text and the window alone, so a worksheet opens to the same drawing area. True when the
// width changed.
bool FitResultMemo(MainWindow& window, const QString& text);

// The advance of a line of the memo in the given font, tabs going to the next tab stop.
qreal ResultLineAdvance(const QFontMetricsF& metrics, const QString& line, qreal tab_stop);

}  // namespace plotwerk::ui
