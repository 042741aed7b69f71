// The picture format a saved file gets: a typed known extension decides, the dialog's entry
// otherwise.
#pragma once

#include <QString>

#include "platform/picture_export.h"

namespace plotwerk::ui {

// For a name typed with the extension of a picture format (bmp, gif, wmf, emf, png, svg, pdf,
// in any case) that format; a ".bmp" keeps the 16-colour entry when that one is selected.
// Any other name gets the format of the selected filter entry (1 to 7).
platform::PictureFormat FormatForSavedName(const QString& path, int filter_index);

}  // namespace plotwerk::ui
