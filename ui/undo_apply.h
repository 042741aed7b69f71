// Putting a Controls snapshot back into the main window's widgets.
#pragma once

#include "plot/controls.h"

namespace plotwerk::ui {

class TFGraf;

// Sets every control of the snapshot by its name (the captions aside): fields as if typed
// (their change handlers run), check boxes, radio buttons and menu items without running their
// handlers, the memo shown or hidden with the window laid out for it. Draws nothing.
void ApplyControls(TFGraf& window, const plot::Controls& controls);

}  // namespace plotwerk::ui
