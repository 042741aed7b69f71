// The worksheet reader and writer of the core for the page: the same files, checks and messages
// as the window and plotwerk-cli.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "plot/worksheet.h"
#include "web/session.h"

namespace plotwerk::web {

namespace {

using emscripten::val;

// The session as a worksheet file (JSON text); {ok, json} or {ok: false, error}.
val SaveWorksheet() {
  Session& s = TheSession();
  plot::Worksheet sheet;
  sheet.controls = s.controls;
  sheet.view = s.plotter.View();
  sheet.param_p = s.plotter.Params().p;
  sheet.param_q = s.plotter.Params().q;
  val out = val::object();
  try {
    out.set("json", plot::WorksheetToJson(sheet));
    out.set("ok", true);
  } catch (const plot::WorksheetError& e) {
    out.set("ok", false);
    out.set("error", std::string(e.what()));
  }
  return out;
}

// Reads a worksheet into the session: controls, P and Q, and the view when the file has one
// (otherwise the basic setting for the current area). {ok, warnings} or {ok: false, error};
// a file that is refused leaves the session as it was.
val OpenWorksheet(const std::string& json) {
  val out = val::object();
  std::vector<std::string> warnings;
  plot::Worksheet sheet;
  try {
    sheet = plot::WorksheetFromJson(json, &warnings);
  } catch (const plot::WorksheetError& e) {
    out.set("ok", false);
    out.set("error", std::string(e.what()));
    return out;
  }
  Session& s = TheSession();
  s.controls = sheet.controls;
  s.plotter.SetParameters({sheet.param_p, sheet.param_q});
  if (sheet.view) {
    s.plotter.SetView(*sheet.view);
  } else {
    s.plotter.ApplyBasicSetting(s.width, s.height);
  }
  val list = val::array();
  for (const std::string& w : warnings) list.call<void>("push", w);
  out.set("ok", true);
  out.set("warnings", list);
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(plotwerk_worksheet) {
  emscripten::function("saveWorksheet", &SaveWorksheet);
  emscripten::function("openWorksheet", &OpenWorksheet);
}

}  // namespace plotwerk::web
