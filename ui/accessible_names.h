// Accessible names and descriptions of the main window's controls (installed with the window).
#pragma once

#include <QString>

namespace plotwerk::ui {

class MainWindow;

// The drawing area's accessible description: every plotted term with its colour, then the
// points and values the result list holds (without its term lines and value table).
QString DrawingDescription(const MainWindow& window);

}  // namespace plotwerk::ui
