// Worksheets of version 1 were written for the older reading of terms (a minus bound to one
// factor, "^" from the left). Their term and number fields are rewritten on opening so that
// they keep their meaning, and so their picture.
#pragma once

#include <string>
#include <vector>

#include "plot/controls.h"

namespace plotwerk::plot {

struct RewrittenField {
  std::string name;  // the control's name, "ed_f1"
  std::string before;
  std::string after;
};

// Rewrites the term and number fields of a version-1 worksheet; returns what changed.
std::vector<RewrittenField> RewriteVersion1Fields(Controls& controls);

}  // namespace plotwerk::plot
