// What the window can reach by typing and clicking: the checks a state from outside (a
// worksheet) passes before it is used, so that a file cannot bring the window or the command
// line where typing could not.
#pragma once

#include <string>

#include "plot/controls.h"
#include "plot/view.h"

namespace plotwerk::plot {

// Largest |bound| of a view from outside. Navigation stops at 1e12 on x; the y range follows
// the x range scaled by the drawing area's height over its width, which can reach a few hundred.
inline constexpr double kMaxReachableCoordinate = 1e15;
// Smallest span of a view from outside: far below what navigation leaves (0.01 on x, and that
// times the area's aspect on y).
inline constexpr double kMinReachableSpan = 1e-6;

// True for a Latin-1 byte an edit field takes: printable, no control character.
bool IsFieldByte(unsigned char c);
// The byte a field shows for a typed Latin-1 letter: its capital where Latin-1 has one (a-z,
// à..þ except the division sign ÷); every other byte as it is.
unsigned char UpperFieldByte(unsigned char c);

// Turns text from outside into what typing it into an edit field gives: letters upper-cased as
// the fields do (single Latin-1 bytes). False, with the reason in *error, for a character no
// field takes (a control character) or a text longer than kMaxFieldLength.
bool AsTypedFieldText(std::string& text, std::string* error);

// Makes the graph width follow ed_breite when that holds a whole number from 1 to 6, as the
// window's stepper reads its field.
void FollowGraphWidthField(Controls& controls);

// False, with the reason (naming the control), for settings no typing or clicking reaches: a
// field text that AsTypedFieldText would change or refuse, a graph width outside 1 to 6 or
// other than the whole number in ed_breite (the stepper follows its field), not
// exactly one animation radio button checked, or "Result List" and the memo's visibility
// disagreeing (the check box shows and hides the memo).
bool IsReachable(const Controls& controls, std::string* error);

// False, with the reason, for a view whose bounds are not finite, whose spans are not
// positive, or which lies beyond kMaxReachableCoordinate or has a span below kMinReachableSpan.
bool IsReachableView(const PlotView& view, std::string* error);

}  // namespace plotwerk::plot
