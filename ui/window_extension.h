// Lets the handler files of the main window (navigation, animation, export) wire themselves to
// a freshly built MainWindow without the window knowing them: each registers one install function.
#pragma once

#include <vector>

namespace plotwerk::ui {

class MainWindow;

// Called once at the end of MainWindow's constructor, after every control and menu item exists.
// An install function connects signals and may create a QObject child of the window that
// holds its own state.
using WindowExtension = void (*)(MainWindow& window);

// Registers an install function; use as a namespace-scope constant in the handler's file:
//   static const WindowExtensionRegistration kNavigation{&InstallNavigation};
struct WindowExtensionRegistration {
  explicit WindowExtensionRegistration(WindowExtension install);
};

const std::vector<WindowExtension>& RegisteredWindowExtensions();

}  // namespace plotwerk::ui
