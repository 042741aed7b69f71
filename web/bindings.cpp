// The browser edition's entry points (embind): the controls, the Draw command and the redraw into
// a recording, the result list, navigation, the trace, the term checker, the derivative, the
// animation and the steppers, and the German catalogue. One session, as the window has one.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "fktint/fktint.h"
#include "fktint/term_check.h"
#include "plot/analysis.h"
#include "plot/animation.h"
#include "plot/controls_names.h"
#include "plot/field_length.h"
#include "plot/navigation.h"
#include "plot/plotter.h"
#include "plot/texts.h"
#include "uableitung/uableitung.h"
#include "web/session.h"
#include "web/text_codec.h"
#include "web/web_canvas.h"

namespace plotwerk::web {

namespace {

using emscripten::val;

// Asks the page to measure text in the canvas font; width in the low and height in the high half.
EM_JS(int, MeasureInPage, (const char16_t* text, int length, int font_size), {
  const units = HEAPU16.subarray(text >> 1, (text >> 1) + length);
  return Module.measureText(String.fromCharCode.apply(null, units), font_size);
});

plot::TextSize MeasureText(const std::u16string& shown, int font_size) {
  const int packed = MeasureInPage(shown.data(), static_cast<int>(shown.size()), font_size);
  return {packed & 0xFFFF, (packed >> 16) & 0xFFFF};
}

constexpr int kMaxDecimals = 10;
constexpr int kExtraValueDecimals = 2;  // the value of f1 gets more digits than its y

int DecimalsForScale(double pixels_per_unit) {
  if (!(pixels_per_unit > 0) || !std::isfinite(pixels_per_unit)) return 0;
  return std::clamp(static_cast<int>(std::ceil(std::log10(pixels_per_unit))), 0, kMaxDecimals);
}

std::string Number(double value, int decimals) {
  return Cp1252ToUtf8(fktint::FormatNumber(1, static_cast<unsigned>(decimals), value));
}

const char* KindName(plot::ControlKind kind) {
  switch (kind) {
    case plot::ControlKind::Text: return "text";
    case plot::ControlKind::Check: return "check";
    case plot::ControlKind::Number: return "number";
    case plot::ControlKind::Shown: return "shown";
    case plot::ControlKind::Choice: return "choice";
    case plot::ControlKind::Setting: return "setting";
  }
  return "";
}

val ControlList() {
  val list = val::array();
  for (const plot::ControlInfo& info : plot::ControlTable()) {
    val entry = val::object();
    entry.set("name", info.key);
    entry.set("kind", std::string(KindName(info.kind)));
    list.call<void>("push", entry);
  }
  return list;
}

std::string SetControl(const std::string& name, const std::string& utf8) {
  std::string error;
  if (!plot::SetControl(TheSession().controls, name, Utf8ToCp1252(utf8), &error)) return error;
  return std::string();
}

std::string GetControl(const std::string& name) {
  std::string value;
  if (!plot::GetControl(TheSession().controls, name, &value)) {
    // The captions the drawing writes are not settable, but the page shows them.
    const plot::ShownCaptions& c = TheSession().captions;
    if (name == "point_b_y_caption") return Cp1252ToUtf8(c.point_b_y);
    if (name == "point_a_y_caption") return Cp1252ToUtf8(c.point_a_y);
    if (name == "integral_caption") return Cp1252ToUtf8(c.integral);
    if (name == "area_caption") return Cp1252ToUtf8(c.area);
    return std::string();
  }
  return Cp1252ToUtf8(value);
}

void DrawCommand() { TheSession().plotter.DrawCommand(TheSession().controls); }

// Runs koordinatensystem and zeichnen into a fresh recording; the view into wasm memory stays
// valid until the next redraw.
val Redraw(int width, int height) {
  Session& s = TheSession();
  s.width = std::clamp(width, 1, kMaxAreaSide);
  s.height = std::clamp(height, 1, kMaxAreaSide);
  s.canvas = std::make_unique<WebCanvas>(s.width, s.height, &MeasureText);
  s.captions.Update(s.plotter.Redraw(*s.canvas, s.width, s.height, s.controls).captions);
  const std::vector<std::int32_t>& record = s.canvas->Record();
  return val(emscripten::typed_memory_view(record.size(), record.data()));
}

std::string ResultList() {
  std::string text;
  for (const std::string& line : TheSession().plotter.Results().Lines()) text += Cp1252ToUtf8(line) + "\n";
  return text;
}

val View() {
  const plot::PlotView& v = TheSession().plotter.View();
  val out = val::array();
  for (double d : {v.x_min, v.x_max, v.y_min, v.y_max}) out.call<void>("push", d);
  return out;
}

bool SetView(double x_min, double x_max, double y_min, double y_max) {
  const plot::PlotView view{x_min, x_max, y_min, y_max};
  if (!plot::IsValidView(view)) return false;
  TheSession().plotter.SetView(view);
  return true;
}

void BasicSetting(int width, int height) { TheSession().plotter.ApplyBasicSetting(width, height); }

// The navigation buttons and menu items by name.
bool Navigate(const std::string& action) {
  Session& s = TheSession();
  plot::PlotView view = s.plotter.View();
  if (action == "left") plot::ShiftLeft(view);
  else if (action == "right") plot::ShiftRight(view);
  else if (action == "up") plot::ShiftUp(view);
  else if (action == "down") plot::ShiftDown(view);
  else if (action == "in") plot::ZoomIn(view);
  else if (action == "out") plot::ZoomOut(view);
  else if (action == "basic") view = plot::BasicSetting(s.width, s.height);
  else return false;
  s.plotter.SetView(view);
  return true;
}

void PanByPixels(int dx, int dy) {
  Session& s = TheSession();
  plot::PlotView view = s.plotter.View();
  plot::PanByPixels(view, s.width, s.height, dx, dy);
  s.plotter.SetView(view);
}

void ZoomAbout(int px, int py, bool zoom_in) {
  Session& s = TheSession();
  s.plotter.UpdateMapping(s.width, s.height);
  const plot::ScreenMapping& map = s.plotter.Mapping();
  const double wx = map.PixelToWorldX(px);
  const double wy = (map.origin_y_real - py) / map.y_scale;
  plot::PlotView view = s.plotter.View();
  plot::ZoomAbout(view, wx, wy, zoom_in);
  s.plotter.SetView(view);
}

// The pointer's world position and the trace of f1 at its column, as texts for the status line:
// {x, y, state ("none", "undefined" or "value"), value, crossX, crossY}.
val Trace(int px, int py) {
  Session& s = TheSession();
  const plot::ScreenMapping& map = s.plotter.Mapping();
  const int dx = DecimalsForScale(map.x_scale);
  const double scale = std::pow(10.0, dx);
  // f1 is taken at the x that is shown, so both numbers belong together exactly.
  const double shown_x = std::round(map.PixelToWorldX(px) * scale) / scale;
  val out = val::object();
  out.set("x", Number(shown_x, dx));
  out.set("y", Number((map.origin_y_real - py) / map.y_scale, DecimalsForScale(map.y_scale)));
  const auto& terms = s.plotter.Terms().Terms();
  if (terms.empty() || !s.controls.f1_plotted || s.controls.f1_term.empty()) {
    out.set("state", std::string("none"));
    return out;
  }
  const plot::Sample sample = plot::TermFunction(terms.front(), s.plotter.Params())(shown_x);
  if (!sample.Defined()) {
    out.set("state", std::string("undefined"));
    return out;
  }
  const int dy = std::min(DecimalsForScale(map.y_scale) + kExtraValueDecimals, kMaxDecimals);
  out.set("state", std::string("value"));
  out.set("value", Number(sample.value, dy));
  out.set("crossX", map.WorldToPixelX(shown_x));
  out.set("crossY", map.WorldToPixelY(sample.value));
  return out;
}

// The checker's verdict on a field's text: {ok, position (1-based), message}.
val CheckTerm(const std::string& utf8) {
  const fktint::TermCheck check = fktint::CheckTerm(Utf8ToCp1252(utf8));
  val out = val::object();
  out.set("ok", check.ok());
  out.set("position", static_cast<int>(check.position));
  out.set("message", Cp1252ToUtf8(fktint::DescribeTermCheck(check)));
  out.set("problem", static_cast<int>(check.problem));
  out.set("detail", Cp1252ToUtf8(check.detail));
  return out;
}

// The derivative buttons: f1' into ed_f3 (order 1) or f1'' into ed_f4 (order 2), as the window
// does; a derivative too long for a field is none. Returns the name of the term that could not
// be differentiated ("f1(x)", "f1'(x)"), "too long", or "" on success.
std::string DeriveField(int order) {
  plot::Controls& c = TheSession().controls;
  std::string failure;
  std::string result;
  try {
    result = uableitung::DeriveTerm(c.f1_term);
    if (result.empty()) failure = "f1(x)";
    if (order == 2 && failure.empty()) {
      result = uableitung::DeriveTerm(std::string(result));
      if (result.empty()) failure = "f1'(x)";
    }
  } catch (const uableitung::RuleTableError&) {
    return "error";
  }
  if (result.size() > static_cast<std::size_t>(plot::kMaxFieldLength)) {
    result.clear();
    failure = "too long";
  }
  (order == 2 ? c.f4_term : c.f3_term) = result;
  return failure;
}

void AnimationTick() {
  Session& s = TheSession();
  plot::Parameters parameters = s.plotter.Params();
  plot::AnimationTick(s.controls, parameters, s.animation);
  s.plotter.SetParameters(parameters);
}

// A stepper click on ed_parameter, ed_q, ed_A or ed_B; P and Q follow their field at once.
bool StepField(const std::string& name, bool up) {
  plot::Controls& c = TheSession().controls;
  std::string* field = name == "ed_parameter" ? &c.parameter_p
                       : name == "ed_q"       ? &c.parameter_q
                       : name == "ed_A"       ? &c.point_a_x
                       : name == "ed_B"       ? &c.point_b_x
                                              : nullptr;
  if (field == nullptr) return false;
  double value = 0;
  plot::Plotter& plotter = TheSession().plotter;
  plot::Parameters parameters = plotter.Params();
  *field = plot::StepFieldText(*field, up ? plot::StepDirection::kUp : plot::StepDirection::kDown, parameters,
                               value);
  if (name == "ed_parameter") parameters.p = value;
  if (name == "ed_q") parameters.q = value;
  plotter.SetParameters(parameters);
  return true;
}

double ParamP() { return TheSession().plotter.Params().p; }
double ParamQ() { return TheSession().plotter.Params().q; }
void SetParams(double p, double q) { TheSession().plotter.SetParameters({p, q}); }

// The German catalogue: pairs of English and German phrases from the page; empty for English.
std::unordered_map<std::string, std::string>& Catalogue() {
  static std::unordered_map<std::string, std::string> catalogue;
  return catalogue;
}

std::string Translate(std::string_view english) {
  const auto found = Catalogue().find(std::string(english));
  return found != Catalogue().end() ? found->second : std::string(english);
}

void SetCatalogue(val pairs) {
  Catalogue().clear();
  const auto count = pairs["length"].as<unsigned>();
  for (unsigned i = 0; i + 1 < count; i += 2) {
    Catalogue().emplace(Utf8ToCp1252(pairs[i].as<std::string>()), Utf8ToCp1252(pairs[i + 1].as<std::string>()));
  }
  plot::SetTextCatalogue(Catalogue().empty() ? nullptr : &Translate);
}

}  // namespace

Session& TheSession() {
  static Session session;
  return session;
}

EMSCRIPTEN_BINDINGS(plotwerk) {
  using emscripten::function;
  function("controlList", &ControlList);
  function("setControl", &SetControl);
  function("getControl", &GetControl);
  function("drawCommand", &DrawCommand);
  function("redraw", &Redraw);
  function("resultList", &ResultList);
  function("view", &View);
  function("setView", &SetView);
  function("basicSetting", &BasicSetting);
  function("navigate", &Navigate);
  function("panByPixels", &PanByPixels);
  function("zoomAbout", &ZoomAbout);
  function("trace", &Trace);
  function("checkTerm", &CheckTerm);
  function("deriveField", &DeriveField);
  function("animationTick", &AnimationTick);
  function("stepField", &StepField);
  function("paramP", &ParamP);
  function("paramQ", &ParamQ);
  function("setParams", &SetParams);
  function("setCatalogue", &SetCatalogue);
}

}  // namespace plotwerk::web
