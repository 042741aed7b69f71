// Worksheet files on disk: the core's reader and writer (plot/worksheet.h) over file names that
// are bytes, read with a size limit and written completely or not at all.
#pragma once

#include <string>
#include <vector>

#include "plot/worksheet.h"

namespace plotwerk::platform {

using plot::kMaxWorksheetBytes;
using plot::kWorksheetFormat;
using plot::kWorksheetSuffix;
using plot::kWorksheetVersion;
using plot::SameWorksheet;
using plot::Worksheet;
using plot::WorksheetError;

// Reads the file at `path` (a regular file of at most kMaxWorksheetBytes). Throws WorksheetError,
// whose message does not repeat the name.
Worksheet ReadWorksheet(const std::string& path, std::vector<std::string>* warnings);

// Writes the file completely or not at all (the old file stays as it was on every failure).
// Throws WorksheetError or ExportError.
void WriteWorksheet(const std::string& path, const Worksheet& worksheet);

}  // namespace plotwerk::platform
