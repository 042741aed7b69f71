// The name table of Controls: one entry per member, with the kind of value it takes.
#include "plot/controls_names.h"

#include <algorithm>
#include <charconv>
#include <variant>

namespace plotwerk::plot {

namespace {

using Member = std::variant<std::string Controls::*, bool Controls::*, int Controls::*>;

struct Entry {
  const char* name;
  Member member;
};

#define PLOTWERK_CONTROL(m) Entry{#m, &Controls::m}

const Entry kEntries[] = {
    PLOTWERK_CONTROL(ed_f1), PLOTWERK_CONTROL(ed_f2), PLOTWERK_CONTROL(ed_f3),
    PLOTWERK_CONTROL(ed_f4), PLOTWERK_CONTROL(c_f1), PLOTWERK_CONTROL(c_f2),
    PLOTWERK_CONTROL(c_f3), PLOTWERK_CONTROL(c_f4), PLOTWERK_CONTROL(ed_breite),
    PLOTWERK_CONTROL(UpDown1), PLOTWERK_CONTROL(c_1ableitung), PLOTWERK_CONTROL(c_2ableitung),
    PLOTWERK_CONTROL(c_nullstellen), PLOTWERK_CONTROL(c_extrema), PLOTWERK_CONTROL(c_wendepunkte),
    PLOTWERK_CONTROL(c_wendetangente), PLOTWERK_CONTROL(c_stammfunktion),
    PLOTWERK_CONTROL(c_schnittpunkte), PLOTWERK_CONTROL(c_pktanzeige), PLOTWERK_CONTROL(ed_xvon),
    PLOTWERK_CONTROL(ed_xbis), PLOTWERK_CONTROL(ed_parameter), PLOTWERK_CONTROL(ed_q),
    PLOTWERK_CONTROL(c_schar), PLOTWERK_CONTROL(ed_schardiff), PLOTWERK_CONTROL(c_punktA),
    PLOTWERK_CONTROL(ed_A), PLOTWERK_CONTROL(c_punktB), PLOTWERK_CONTROL(ed_B),
    PLOTWERK_CONTROL(c_tangente), PLOTWERK_CONTROL(c_normale), PLOTWERK_CONTROL(c_sekante),
    PLOTWERK_CONTROL(c_integral), PLOTWERK_CONTROL(rb_punkta), PLOTWERK_CONTROL(rb_punktB),
    PLOTWERK_CONTROL(rb_parameter), PLOTWERK_CONTROL(ed_von), PLOTWERK_CONTROL(ed_bis),
    PLOTWERK_CONTROL(ed_delta), PLOTWERK_CONTROL(c_wertetabelle), PLOTWERK_CONTROL(c_ergebnisliste),
    PLOTWERK_CONTROL(Mergebnis_visible), PLOTWERK_CONTROL(MAchsen1), PLOTWERK_CONTROL(MAchsen21),
    PLOTWERK_CONTROL(M_rahmen), PLOTWERK_CONTROL(M_winkel), PLOTWERK_CONTROL(M_bogen),
    PLOTWERK_CONTROL(m_raster), PLOTWERK_CONTROL(m_mmraster), PLOTWERK_CONTROL(m_terme),
    PLOTWERK_CONTROL(m_farbe), PLOTWERK_CONTROL(spiegelungxachse),
    PLOTWERK_CONTROL(spiegelungursprung), PLOTWERK_CONTROL(spiegelungyachse),
    PLOTWERK_CONTROL(verschiebungxachse), PLOTWERK_CONTROL(streckungxachse),
    PLOTWERK_CONTROL(verschiebungyachse), PLOTWERK_CONTROL(streckungyachse),
    PLOTWERK_CONTROL(nacheinanderausfuehrung), PLOTWERK_CONTROL(funktionsaddition),
    PLOTWERK_CONTROL(funktionssubtraktion1), PLOTWERK_CONTROL(funktionsmultiplikation),
    PLOTWERK_CONTROL(funktionsdivision1), PLOTWERK_CONTROL(Umkehrkurvezuf1x1),
};

#undef PLOTWERK_CONTROL


const Entry* Find(std::string_view name) {
  for (const Entry& e : kEntries) {
    if (name == e.name) return &e;
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
  static const std::vector<ControlInfo> table = [] {
    std::vector<ControlInfo> out;
    for (const Entry& e : kEntries) {
      const ControlKind kind = std::holds_alternative<std::string Controls::*>(e.member) ? ControlKind::Text
                               : std::holds_alternative<bool Controls::*>(e.member)      ? ControlKind::Check
                                                                                         : ControlKind::Number;
      out.push_back({e.name, kind});
    }
    return out;
  }();
  return table;
}

std::string ControlNamesList() {
  std::string out;
  for (const Entry& e : kEntries) {
    if (!out.empty()) out += ", ";
    out += e.name;
  }
  return out;
}

bool SetControl(Controls& controls, std::string_view name, std::string_view value, std::string* error) {
  const Entry* entry = Find(name);
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
      controls.UpDown1 = std::clamp(width, kMinGraphWidth, kMaxGraphWidth);
    }
    return true;
  }
  if (const auto* check = std::get_if<bool Controls::*>(&entry->member)) {
    if (value != "0" && value != "1") {
      return fail("control '" + std::string(name) + "' takes 0 or 1, not '" + std::string(value) + "'");
    }
    const bool on = value == "1";
    if (on && name.substr(0, 3) == "rb_") {
      controls.rb_punkta = controls.rb_punktB = controls.rb_parameter = false;
    }
    controls.*(*check) = on;
    return true;
  }
  const auto number = std::get<int Controls::*>(entry->member);
  int v = 0;
  if (!ParseInt(value, &v)) {
    return fail("control '" + std::string(name) + "' takes a whole number, not '" + std::string(value) + "'");
  }
  controls.*number = v;
  return true;
}

bool GetControl(const Controls& controls, std::string_view name, std::string* value) {
  const Entry* entry = Find(name);
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

}  // namespace plotwerk::plot
