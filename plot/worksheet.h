// Worksheet files (.plotwerk): everything the picture and the result list depend on, as a small
// versioned JSON text a person can read and diff. One reader and writer for the window, the
// command line and the browser page; reaching the disk is the front end's business.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "plot/controls.h"
#include "plot/view.h"

namespace plotwerk::plot {

inline constexpr char kWorksheetFormat[] = "plotwerk-worksheet";
inline constexpr int kWorksheetVersion = 2;  // 2: terms in the school reading
inline constexpr char kWorksheetSuffix[] = "plotwerk";
// A larger file is refused before it is read: every field at its longest in two-byte
// characters stays below 1 MiB, and parsing a hostile file of this size takes about a second.
inline constexpr std::int64_t kMaxWorksheetBytes = 2 * 1024 * 1024;

struct Worksheet {
  Controls controls;
  // The visible window of the plane; without one, the basic setting of the drawing area.
  std::optional<PlotView> view;
  // P and Q as the evaluator holds them. The Draw command takes P from ed_parameter unless that
  // field is empty; Q changes only through its stepper and the family of curves, so it can
  // differ from ed_q.
  double param_p = 0;
  double param_q = 0;
};

// Same settings (captions aside), same view, same parameters.
bool SameWorksheet(const Worksheet& a, const Worksheet& b);

// A worksheet that cannot be read or a state that cannot be saved; the message names the
// problem (the line of a syntax error, the key of a wrong value).
class WorksheetError : public std::runtime_error {
 public:
  explicit WorksheetError(const std::string& message) : std::runtime_error(message) {}
};

// Why the controls or the view could not be opened again from a worksheet; `in_view` tells
// which of the two the reason is about. Nothing when both can be saved.
struct Unsavable {
  bool in_view = false;
  std::string why;
};
std::optional<Unsavable> WhyUnsavable(const Controls& controls, const std::optional<PlotView>& view);

// The file's text (UTF-8). Throws WorksheetError for a state no typing reaches (see
// plot/reachable.h), which could not be opened again.
std::string WorksheetToJson(const Worksheet& worksheet);

// Reads a worksheet's text. Missing keys take the start values, unknown keys are ignored and
// reported in *warnings (may be null); every value is checked as typed input is, and a value
// out of its range or a key given twice is refused, naming the key. Throws WorksheetError.
Worksheet WorksheetFromJson(std::string_view json, std::vector<std::string>* warnings);

}  // namespace plotwerk::plot
