// Worksheet files on nlohmann-json, checked on the way in as typed input is. The parser's
// callback refuses a key given twice in one object (the library would keep the last) and
// nesting no worksheet has, before the document is built.
#include "plot/worksheet.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <variant>

#include "fktint/text_encoding.h"
#include "plot/controls_names.h"
#include "plot/reachable.h"
#include "plot/version1_terms.h"

namespace plotwerk::plot {

namespace {

using Json = nlohmann::json;

constexpr char kFormatKey[] = "format";
constexpr char kVersionKey[] = "version";
constexpr char kControlsKey[] = "controls";
constexpr char kViewKey[] = "view";
constexpr char kParametersKey[] = "parameters";
constexpr char kParamPKey[] = "P";
constexpr char kParamQKey[] = "Q";
constexpr const char* kViewKeys[] = {"x_min", "x_max", "y_min", "y_max"};
constexpr std::size_t kMaxWarnings = 20;
// A worksheet nests two levels; anything far deeper is no worksheet and is not built.
constexpr int kMaxDepth = 16;
constexpr int kIndent = 4;
constexpr unsigned kLastLatin1 = 0xFF;

[[noreturn]] void Refuse(const std::string& message) { throw WorksheetError(message); }

[[noreturn]] void RefuseKey(const std::string& key, const std::string& problem) {
  Refuse("key \"" + key + "\": " + problem);
}

std::string TypeName(const Json& v) {
  switch (v.type()) {
    case Json::value_t::null:
      return "null";
    case Json::value_t::boolean:
      return "true or false";
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
      return "a number";
    case Json::value_t::string:
      return "a text";
    case Json::value_t::array:
      return "a list";
    case Json::value_t::object:
      return "an object";
    default:
      return "nothing";
  }
}

[[noreturn]] void RefuseType(const std::string& key, const char* expected, const Json& found) {
  RefuseKey(key, std::string("expected ") + expected + ", found " + TypeName(found));
}

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}

double FiniteNumber(const std::string& key, const Json& v) {
  if (!v.is_number()) RefuseType(key, "a number", v);
  const double d = v.get<double>();
  if (!std::isfinite(d)) RefuseKey(key, "the number is too large");
  return d;
}

// Line and column (from 1) of a byte offset, for syntax errors.
std::string Position(std::string_view json, std::size_t offset) {
  offset = std::min(offset, json.size());
  std::size_t line = 1;
  std::size_t line_start = 0;
  for (std::size_t i = 0; i < offset; ++i) {
    if (json[i] == '\n') {
      ++line;
      line_start = i + 1;
    }
  }
  return "line " + std::to_string(line) + ", column " + std::to_string(offset - line_start + 1);
}

// The library's message without its "[json.exception...] " tag and its own position.
std::string Reason(const Json::exception& e) {
  std::string text = e.what();
  const std::size_t tag = text.find("] ");
  if (tag != std::string::npos) text.erase(0, tag + 2);
  const std::size_t colon = text.find(": ");
  if (text.rfind("parse error", 0) == 0 && colon != std::string::npos) text.erase(0, colon + 2);
  return text;
}

// The section `key` of the root: an object, or empty when missing.
const Json& Section(const Json& root, const char* key) {
  static const Json kEmpty = Json::object();
  const auto it = root.find(key);
  if (it == root.end()) return kEmpty;
  if (!it->is_object()) RefuseType(key, "an object", *it);
  return *it;
}

template <typename Known>
void WarnUnknownKeys(const Json& object, const std::string& prefix, Known known, std::vector<std::string>* warnings) {
  if (warnings == nullptr) return;
  for (const auto& [key, value] : object.items()) {
    if (known(key)) continue;
    // A file full of unknown keys gets a short list, not one line each.
    if (warnings->size() == kMaxWarnings) warnings->push_back("further unknown keys ignored");
    if (warnings->size() > kMaxWarnings) return;
    warnings->push_back("unknown key \"" + prefix + key + "\" ignored");
  }
}

// A field's text: single Latin-1 characters only (the JSON text is valid UTF-8, the parser
// checked it), then what typing them gives.
std::string FieldText(const std::string& key, const Json& v) {
  if (!v.is_string()) RefuseType(key, "a text", v);
  const std::string& utf8 = v.get_ref<const std::string&>();
  std::string out;
  std::size_t position = 0;
  for (std::size_t i = 0; i < utf8.size(); ++position) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    unsigned code = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
    }
    if (code > kLastLatin1) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "U+%04X", code);
      RefuseKey(key, std::string("character ") + hex + " at position " + std::to_string(position + 1) +
                         " cannot be typed into a field");
    }
    out += static_cast<char>(code);
    i += length;
  }
  std::string why;
  if (!AsTypedFieldText(out, &why)) RefuseKey(key, why);
  return out;
}

// The animation's radio buttons, one group (prefix "rb_").
bool IsRadioButton(const ControlInfo& info) { return info.key.rfind("rb_", 0) == 0; }

void ReadControls(const Json& section, Controls& controls, std::vector<std::string>* warnings) {
  bool radio_given_checked = false;
  bool memo_given = false;
  bool width_given = false;
  for (const ControlInfo& info : ControlTable()) {
    const auto it = section.find(info.key);
    if (it == section.end()) continue;
    const Json& v = *it;
    const std::string key = std::string(kControlsKey) + "." + info.key;
    if (const auto* text = std::get_if<std::string Controls::*>(&info.member)) {
      controls.*(*text) = FieldText(key, v);
    } else if (const auto* check = std::get_if<bool Controls::*>(&info.member)) {
      if (!v.is_boolean()) RefuseType(key, "true or false", v);
      controls.*(*check) = v.get<bool>();
      if (IsRadioButton(info) && v.get<bool>()) radio_given_checked = true;
      if (info.kind == ControlKind::Shown) memo_given = true;
    } else if (info.kind == ControlKind::Choice) {
      // The entry chosen in a drop-down list; an entry the list does not have is refused.
      const double d = FiniteNumber(key, v);
      if (d != std::trunc(d)) RefuseKey(key, "expected a whole number, found " + Number(d));
      if (d < 0 || d >= kAnalyseChoices) {
        RefuseKey(key, "the choice " + Number(d) + " lies outside 0 to " + std::to_string(kAnalyseChoices - 1));
      }
      controls.*std::get<int Controls::*>(info.member) = static_cast<int>(d);
    } else {
      // The graph-width stepper: a position it cannot take is refused, not replaced by the
      // field's number.
      const double d = FiniteNumber(key, v);
      if (d != std::trunc(d)) RefuseKey(key, "expected a whole number, found " + Number(d));
      if (d < kMinGraphWidth || d > kMaxGraphWidth) {
        RefuseKey(key, "the graph width " + Number(d) + " lies outside " + std::to_string(kMinGraphWidth) + " to " +
                           std::to_string(kMaxGraphWidth));
      }
      controls.*std::get<int Controls::*>(info.member) = static_cast<int>(d);
      width_given = true;
    }
  }
  // A radio button given as checked unchecks the others the file leaves out, and a file that
  // leaves out the memo shows it as "Result List" says, as in the window.
  if (radio_given_checked) {
    for (const ControlInfo& info : ControlTable()) {
      if (IsRadioButton(info) && !section.contains(info.key)) controls.*std::get<bool Controls::*>(info.member) = false;
    }
  }
  if (!memo_given) controls.result_memo_visible = controls.result_list;
  // The stepper and its field move together: a file giving one sets the other; a file giving
  // both must agree (checked below).
  if (!width_given) {
    FollowGraphWidthField(controls);
  } else if (!section.contains("ed_breite")) {
    controls.graph_width_text = std::to_string(controls.graph_width);
  }
  std::string why;
  if (!IsReachable(controls, &why)) Refuse(std::string(kControlsKey) + ": " + why);
  WarnUnknownKeys(
      section, "controls.",
      [](const std::string& key) {
        return std::any_of(ControlTable().begin(), ControlTable().end(),
                           [&](const ControlInfo& info) { return info.key == key; });
      },
      warnings);
}

PlotView ReadView(const Json& section, std::vector<std::string>* warnings) {
  double bounds[4];
  for (int k = 0; k < 4; ++k) {
    const std::string key = std::string("view.") + kViewKeys[k];
    const auto it = section.find(kViewKeys[k]);
    if (it == section.end()) RefuseKey(key, "missing (a view needs all four bounds)");
    bounds[k] = FiniteNumber(key, *it);
  }
  const PlotView view{bounds[0], bounds[1], bounds[2], bounds[3]};
  std::string why;
  if (!IsReachableView(view, &why)) RefuseKey(kViewKey, why);
  WarnUnknownKeys(
      section, "view.",
      [](const std::string& key) {
        return std::any_of(std::begin(kViewKeys), std::end(kViewKeys), [&](const char* k) { return key == k; });
      },
      warnings);
  return view;
}

void CheckSavable(const Worksheet& worksheet) {
  if (const std::optional<Unsavable> problem = WhyUnsavable(worksheet.controls, worksheet.view)) {
    throw WorksheetError(problem->in_view ? "this view cannot be saved in a worksheet: " + problem->why
                                          : "this state cannot be saved as a worksheet: " + problem->why);
  }
  if (!std::isfinite(worksheet.param_p) || !std::isfinite(worksheet.param_q)) {
    throw WorksheetError("this state cannot be saved as a worksheet: P or Q is not a finite number");
  }
}

// Parses the text; a key twice in one object or nesting deeper than kMaxDepth is refused.
Json Parse(std::string_view json) {
  std::vector<std::set<std::string>> keys_seen;  // one set per open object or list
  const Json::parser_callback_t check = [&](int depth, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        if (depth >= kMaxDepth) Refuse("not a Plotwerk worksheet: nested deeper than " + std::to_string(kMaxDepth));
        keys_seen.emplace_back();
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        if (!keys_seen.empty()) keys_seen.pop_back();
        break;
      case Json::parse_event_t::key:
        if (!keys_seen.empty() && !keys_seen.back().insert(parsed.get<std::string>()).second) {
          RefuseKey(parsed.get<std::string>(), "given twice in one object");
        }
        break;
      case Json::parse_event_t::value:
        break;
    }
    return true;
  };
  try {
    return Json::parse(json.begin(), json.end(), check);
  } catch (const Json::parse_error& e) {
    Refuse("not a readable worksheet: " + Position(json, e.byte > 0 ? e.byte - 1 : 0) + ": " + Reason(e));
  } catch (const Json::exception& e) {
    Refuse("not a readable worksheet: " + Reason(e));
  }
}

}  // namespace

bool SameWorksheet(const Worksheet& a, const Worksheet& b) {
  return SameSettings(a.controls, b.controls) && a.view == b.view && a.param_p == b.param_p &&
         a.param_q == b.param_q;
}

std::optional<Unsavable> WhyUnsavable(const Controls& controls, const std::optional<PlotView>& view) {
  std::string why;
  if (!IsReachable(controls, &why)) return Unsavable{false, why};
  if (view && !IsReachableView(*view, &why)) return Unsavable{true, why};
  return std::nullopt;
}

std::string WorksheetToJson(const Worksheet& worksheet) {
  CheckSavable(worksheet);
  Json controls = Json::object();
  for (const ControlInfo& info : ControlTable()) {
    std::visit(
        [&](auto member) {
          const auto& value = worksheet.controls.*member;
          if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
            controls[info.key] = fktint::Latin1ToUtf8(value);
          } else {
            controls[info.key] = value;
          }
        },
        info.member);
  }
  Json root = Json::object();
  root[kFormatKey] = kWorksheetFormat;
  root[kVersionKey] = kWorksheetVersion;
  if (worksheet.view) {
    const PlotView& v = *worksheet.view;
    root[kViewKey] = {{kViewKeys[0], v.x_min}, {kViewKeys[1], v.x_max}, {kViewKeys[2], v.y_min}, {kViewKeys[3], v.y_max}};
  }
  root[kParametersKey] = {{kParamPKey, worksheet.param_p}, {kParamQKey, worksheet.param_q}};
  root[kControlsKey] = std::move(controls);
  return root.dump(kIndent) + "\n";
}

Worksheet WorksheetFromJson(std::string_view json, std::vector<std::string>* warnings) {
  if (json.find_first_not_of(" \t\r\n") == std::string_view::npos) Refuse("the file is empty");
  const Json root = Parse(json);
  if (!root.is_object()) Refuse("not a Plotwerk worksheet: the file holds no JSON object");
  const auto format = root.find(kFormatKey);
  if (format == root.end() || !format->is_string() || format->get_ref<const std::string&>() != kWorksheetFormat) {
    Refuse(std::string("not a Plotwerk worksheet: key \"format\" is not \"") + kWorksheetFormat + "\"");
  }
  const auto version = root.find(kVersionKey);
  if (version == root.end()) RefuseKey(kVersionKey, "missing");
  if (!version->is_number() || version->get<double>() != std::trunc(version->get<double>()) ||
      version->get<double>() < 1) {
    RefuseKey(kVersionKey, "expected a whole number from 1");
  }
  if (version->get<double>() > kWorksheetVersion && warnings != nullptr) {
    warnings->push_back("the worksheet has version " + Number(version->get<double>()) +
                        ", this program reads version " + std::to_string(kWorksheetVersion) +
                        "; what it does not know is ignored");
  }

  Worksheet worksheet;
  ReadControls(Section(root, kControlsKey), worksheet.controls, warnings);
  if (version->get<double>() < 2) {
    // Version 1 read terms the older way: keep their meaning and say so.
    for (const RewrittenField& f : RewriteVersion1Fields(worksheet.controls)) {
      if (warnings == nullptr) continue;
      warnings->push_back("\"" + fktint::Latin1ToUtf8(f.before) + "\" of " + f.name + " is written \"" + fktint::Latin1ToUtf8(f.after) +
                          "\" so that it keeps its meaning");
    }
  }
  if (root.contains(kViewKey)) worksheet.view = ReadView(Section(root, kViewKey), warnings);
  const Json& parameters = Section(root, kParametersKey);
  for (const char* name : {kParamPKey, kParamQKey}) {
    const auto it = parameters.find(name);
    if (it == parameters.end()) continue;
    const double d = FiniteNumber(std::string(kParametersKey) + "." + name, *it);
    (name == kParamPKey ? worksheet.param_p : worksheet.param_q) = d;
  }
  WarnUnknownKeys(
      parameters, "parameters.", [](const std::string& key) { return key == kParamPKey || key == kParamQKey; },
      warnings);
  WarnUnknownKeys(
      root, "",
      [](const std::string& key) {
        for (const char* known : {kFormatKey, kVersionKey, kControlsKey, kViewKey, kParametersKey}) {
          if (key == known) return true;
        }
        return false;
      },
      warnings);
  return worksheet;
}

}  // namespace plotwerk::plot
