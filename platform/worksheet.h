// Worksheet files (.plotwerk): everything the picture and the result list depend on, as a small
// versioned JSON text a person can read and diff. Read and written here for the window and the
// command line alike.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <string>

#include "plot/controls.h"
#include "plot/view.h"

namespace plotwerk::platform {

inline constexpr char kWorksheetFormat[] = "plotwerk-worksheet";
inline constexpr int kWorksheetVersion = 2;  // 2: terms in the school reading
inline constexpr char kWorksheetSuffix[] = "plotwerk";
// A larger file is refused before it is read: every field at its longest in two-byte
// characters stays below 1 MiB, and parsing a hostile file of this size takes about a second.
inline constexpr qint64 kMaxWorksheetBytes = 2 * 1024 * 1024;

struct Worksheet {
  plot::Controls controls;
  // The visible window of the plane; without one, the basic setting of the drawing area.
  std::optional<plot::PlotView> view;
  // P and Q as the evaluator holds them. The Draw command takes them from ed_parameter and
  // ed_q unless those fields are empty.
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

// The file's text. Throws WorksheetError for a state no typing reaches (see plot/reachable.h),
// which could not be opened again.
QByteArray WorksheetToJson(const Worksheet& worksheet);

// Reads a worksheet's text. Missing keys take the start values, unknown keys are ignored and
// reported in *warnings; every value is checked as typed input is. Throws WorksheetError.
Worksheet WorksheetFromJson(const QByteArray& json, QStringList* warnings);

// Reads the file at `path` (a regular file of at most kMaxWorksheetBytes). Throws WorksheetError.
Worksheet ReadWorksheet(const QString& path, QStringList* warnings);

// Writes the file completely or not at all. Throws WorksheetError for a state that cannot be
// saved and ExportError when the file cannot be written (the old file stays as it was).
void WriteWorksheet(const QString& path, const Worksheet& worksheet);

}  // namespace plotwerk::platform
