// The controls of the drawing by name: setting a Controls member from text (the command
// line's --set NAME=VALUE), reading it back, listing the names. Made from PLOTWERK_CONTROLS.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "plot/controls.h"

namespace plotwerk::plot {

using ControlMember = std::variant<std::string Controls::*, bool Controls::*, int Controls::*>;

struct ControlInfo {
  // The control's name in worksheet files, on the command line (--set) and in the browser page:
  // the key column of PLOTWERK_CONTROLS, which stays when the code name changes.
  std::string key;
  ControlKind kind;
  ControlMember member;
};

// Every control of the list, in list order.
const std::vector<ControlInfo>& ControlTable();

// Sets the control `name` from `value`: edit fields take the text as given (code page 1252
// bytes), check boxes, radio buttons, menu items and Mergebnis_visible 0 or 1, UpDown1 an
// integer, cb_analyse the index of its entry (0 to 4). Setting ed_breite also moves its stepper UpDown1 (within 1 to 6) when the text is a
// whole number, setting UpDown1 writes its position into ed_breite, and checking a radio button unchecks the others of its group. Returns false
// and describes the problem in *error for an unknown name or a bad value.
bool SetControl(Controls& controls, std::string_view name, std::string_view value, std::string* error);

// The current value of a control as text ("0"/"1" for check marks); false for an unknown name.
bool GetControl(const Controls& controls, std::string_view name, std::string* value);

// All names, comma separated, for error messages and help texts.
std::string ControlNamesList();

// True when every control has the same value in both.
bool SameSettings(const Controls& a, const Controls& b);

}  // namespace plotwerk::plot
