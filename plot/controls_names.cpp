// The name table of Controls, made from the list of controls.
#include "plot/controls_names.h"

#include <algorithm>
#include <charconv>
#include <variant>

namespace plotwerk::plot {

namespace {

// The controls of the list, all of them settable.
std::vector<ControlInfo> MakeTable() {
  std::vector<ControlInfo> out;
#define PLOTWERK_CONTROL_ENTRY(kind, name, key, start) out.push_back({key, ControlKind::kind, &Controls::name});
  PLOTWERK_CONTROLS(PLOTWERK_CONTROL_ENTRY)
#undef PLOTWERK_CONTROL_ENTRY
  return out;
}

const ControlInfo* Find(std::string_view name) {
  for (const ControlInfo& e : ControlTable()) {
    if (name == e.key) return &e;
  }
  return nullptr;
}

bool ParseInt(std::string_view text, int* out) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

const std::vector<ControlInfo>& ControlTable() {
  static const std::vector<ControlInfo> table = MakeTable();
  return table;
}

std::string ControlNamesList() {
  std::string out;
  for (const ControlInfo& e : ControlTable()) {
    if (!out.empty()) out += ", ";
    out += e.key;
  }
  return out;
}

bool SetControl(Controls& controls, std::string_view name, std::string_view value, std::string* error) {
  const ControlInfo* entry = Find(name);
  auto fail = [&](std::string message) {
    if (error != nullptr) *error = std::move(message);
    return false;
  };
  if (entry == nullptr) {
    return fail("unknown control '" + std::string(name) + "'; valid names: " + ControlNamesList());
  }
  if (const auto* text = std::get_if<std::string Controls::*>(&entry->member)) {
    controls.*(*text) = std::string(value);
    int width = 0;
    if (name == "ed_breite" && ParseInt(value, &width)) {
      controls.graph_width = std::clamp(width, kMinGraphWidth, kMaxGraphWidth);
    }
    return true;
  }
  if (const auto* check = std::get_if<bool Controls::*>(&entry->member)) {
    if (value != "0" && value != "1") {
      return fail("control '" + std::string(name) + "' takes 0 or 1, not '" + std::string(value) + "'");
    }
    const bool on = value == "1";
    if (on && name.substr(0, 3) == "rb_") {
      controls.animate_point_a = controls.animate_point_b = controls.animate_parameter = false;
    }
    controls.*(*check) = on;
    return true;
  }
  const auto number = std::get<int Controls::*>(entry->member);
  int v = 0;
  if (!ParseInt(value, &v)) {
    return fail("control '" + std::string(name) + "' takes a whole number, not '" + std::string(value) + "'");
  }
  if (entry->kind == ControlKind::Choice && (v < 0 || v >= kAnalyseChoices)) {
    return fail("control '" + std::string(name) + "' takes 0 to " + std::to_string(kAnalyseChoices - 1) +
                ", not '" + std::string(value) + "'");
  }
  controls.*number = v;
  // The stepper writes its position into its field, as its arrows do in the window.
  if (number == &Controls::graph_width) controls.graph_width_text = std::to_string(v);
  return true;
}

bool GetControl(const Controls& controls, std::string_view name, std::string* value) {
  const ControlInfo* entry = Find(name);
  if (entry == nullptr) return false;
  if (const auto* text = std::get_if<std::string Controls::*>(&entry->member)) {
    *value = controls.*(*text);
  } else if (const auto* check = std::get_if<bool Controls::*>(&entry->member)) {
    *value = controls.*(*check) ? "1" : "0";
  } else {
    *value = std::to_string(controls.*std::get<int Controls::*>(entry->member));
  }
  return true;
}

bool SameSettings(const Controls& a, const Controls& b) {
  for (const ControlInfo& e : ControlTable()) {
    const bool same = std::visit([&](auto member) { return a.*member == b.*member; }, e.member);
    if (!same) return false;
  }
  return true;
}

}  // namespace plotwerk::plot
