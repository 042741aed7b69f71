// Checks of a state from outside against what typing and clicking can reach.
#include "plot/reachable.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "plot/controls_names.h"

namespace plotwerk::plot {

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kLastC1Control = 0x9F;
constexpr unsigned char kNoBreakSpace = 0xA0;
constexpr unsigned char kSmallAGrave = 0xE0;
constexpr unsigned char kSmallThorn = 0xFE;
constexpr unsigned char kDivisionSign = 0xF7;
constexpr unsigned char kCaseOffset = 0x20;

bool Fail(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
  return false;
}

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}

}  // namespace

bool IsFieldByte(unsigned char c) { return c >= kFirstPrintable && !(c >= kDelete && c <= kLastC1Control); }

unsigned char UpperFieldByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - kCaseOffset);
  // à..þ map to À..Þ, except the division sign, whose slot holds the multiplication sign above.
  if (c >= kSmallAGrave && c <= kSmallThorn && c != kDivisionSign) return static_cast<unsigned char>(c - kCaseOffset);
  return c;
}

bool AsTypedFieldText(std::string& text, std::string* error) {
  if (text.size() > kMaxFieldLength) {
    return Fail(error, std::to_string(text.size()) + " characters; a field takes at most " +
                           std::to_string(kMaxFieldLength));
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (!IsFieldByte(c)) {
      return Fail(error, "character " + std::to_string(c) + " at position " + std::to_string(i + 1) +
                             " cannot be typed into a field");
    }
    text[i] = static_cast<char>(UpperFieldByte(c));
  }
  return true;
}

void FollowGraphWidthField(Controls& controls) {
  std::string_view text = controls.graph_width_text;
  auto blank = [](char c) { return c == ' ' || static_cast<unsigned char>(c) == kNoBreakSpace; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int width = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), width);
  if (!text.empty() && ec == std::errc() && end == text.data() + text.size() && width >= kMinGraphWidth &&
      width <= kMaxGraphWidth) {
    controls.graph_width = width;
  }
}

bool IsReachable(const Controls& controls, std::string* error) {
  for (const ControlInfo& info : ControlTable()) {
    if (info.kind != ControlKind::Text && info.kind != ControlKind::Setting) continue;
    std::string text = controls.*std::get<std::string Controls::*>(info.member);
    std::string why;
    if (!AsTypedFieldText(text, &why)) return Fail(error, info.key + ": " + why);
    if (text != controls.*std::get<std::string Controls::*>(info.member)) {
      return Fail(error, info.key + ": lower-case letters, which the fields upper-case as they are typed");
    }
  }
  if (controls.graph_width < kMinGraphWidth || controls.graph_width > kMaxGraphWidth) {
    return Fail(error, "UpDown1: the graph width " + std::to_string(controls.graph_width) + " lies outside " +
                           std::to_string(kMinGraphWidth) + " to " + std::to_string(kMaxGraphWidth));
  }
  if (controls.analysed_term < 0 || controls.analysed_term >= kAnalyseChoices) {
    return Fail(error, "cb_analyse: the choice " + std::to_string(controls.analysed_term) + " lies outside 0 to " +
                           std::to_string(kAnalyseChoices - 1));
  }
  Controls following = controls;
  FollowGraphWidthField(following);
  if (following.graph_width != controls.graph_width) {
    return Fail(error, "UpDown1: the graph width " + std::to_string(controls.graph_width) +
                           " differs from the number in ed_breite, which the stepper follows");
  }
  if (controls.animate_point_a + controls.animate_point_b + controls.animate_parameter != 1) {
    return Fail(error, "rb_punkta, rb_punktB, rb_parameter: exactly one of the animation's radio buttons is checked");
  }
  if (controls.result_list != controls.result_memo_visible) {
    return Fail(error, "c_ergebnisliste, Mergebnis_visible: the result memo is shown exactly when "
                       "\"Result List\" is checked");
  }
  return true;
}

bool IsReachableView(const PlotView& view, std::string* error) {
  const double bounds[] = {view.x_min, view.x_max, view.y_min, view.y_max};
  for (const double v : bounds) {
    if (!std::isfinite(v)) return Fail(error, "a bound is not a finite number");
    if (std::fabs(v) > kMaxReachableCoordinate) {
      return Fail(error, "the bound " + Number(v) + " lies beyond " + Number(kMaxReachableCoordinate));
    }
  }
  if (!(view.x_max - view.x_min >= kMinReachableSpan) || !(view.y_max - view.y_min >= kMinReachableSpan)) {
    return Fail(error, "x_min must lie below x_max and y_min below y_max, by at least " +
                           Number(kMinReachableSpan));
  }
  return true;
}

}  // namespace plotwerk::plot
