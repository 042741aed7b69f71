// The callable functions from the name table: every entry but the reserved F1 to F4, and every
// prefix of an entry that the lookup resolves to that same entry.
#include "ui/function_list.h"

#include <string_view>

#include "fktint/name_table.h"

namespace plotwerk::ui {

namespace {

namespace names = fktint::detail;

bool IsCallable(names::Function f) {
  return f != names::Function::kNone && f != names::Function::kF1 && f != names::Function::kF2 &&
         f != names::Function::kF3 && f != names::Function::kF4;
}

}  // namespace

std::vector<CallableFunction> CallableFunctions() {
  std::vector<CallableFunction> list;
  const std::string_view table = names::kNameTable;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= table.size(); ++i) {
    if (i != table.size() && table[i] != ' ') continue;
    const std::string_view name = table.substr(start, i - start);
    start = i + 1;
    const names::Function function = names::LookupFunction(name);
    if (!IsCallable(function)) continue;
    CallableFunction entry{std::string(name), {}};
    for (std::size_t length = 1; length < name.size(); ++length) {
      if (names::LookupFunction(name.substr(0, length)) == function) {
        entry.short_forms.emplace_back(name.substr(0, length));
      }
    }
    list.push_back(std::move(entry));
  }
  return list;
}

}  // namespace plotwerk::ui
