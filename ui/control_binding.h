// The window's controls bound to the Controls snapshot by their code names (the widgets' object
// names), made from the list of controls (plot/controls.h): reading a snapshot and putting one
// back into the window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plot/controls.h"

namespace plotwerk::ui {

class MainWindow;

// The value of the control whose widget is called `object_name` (the control's code name), as
// text ("0"/"1" for check marks); nothing for a widget that is no control of the list.
std::optional<std::string> ControlText(const plot::Controls& controls, std::string_view object_name);

class ControlBinding {
 public:
  // Finds the widget or menu item of every control of the list among the window's children;
  // a control without one is a programming error and throws std::logic_error.
  explicit ControlBinding(const MainWindow& window);

  plot::Controls Snapshot() const;

  // Puts every setting into its widget (the captions are the drawing's to write). Check boxes,
  // radio buttons and menu items change without running their handlers, fields change as if
  // typed (their change handlers run), the memo is shown or hidden. Draws nothing itself.
  void Apply(const plot::Controls& controls) const;

 private:
  template <plot::ControlKind K>
  void Bind(const MainWindow& window, const char* name, typename plot::ControlValue<K>::type plot::Controls::*member);

  std::vector<std::function<void(plot::Controls&)>> readers_;
  std::vector<std::function<void(const plot::Controls&)>> writers_;
};

}  // namespace plotwerk::ui
