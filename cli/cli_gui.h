// The GUI application object the drawing commands need for fonts and images; created on
// first use with the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#pragma once

namespace plotwerk::cli {

void EnsureGuiApplication();

}  // namespace plotwerk::cli
