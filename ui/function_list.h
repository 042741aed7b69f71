// The functions a term can call, read off the evaluator's name table, with the shortened names
// that select each of them. Kept free of Qt: the name table's identifiers clash with Qt's macros.
#pragma once

#include <string>
#include <vector>

namespace plotwerk::ui {

// A function a term can call, in the order of the name table, with the shortened names that
// select it (shortest first; the full name is not among them).
struct CallableFunction {
  std::string name;
  std::vector<std::string> short_forms;
};
std::vector<CallableFunction> CallableFunctions();

}  // namespace plotwerk::ui
