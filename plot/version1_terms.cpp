// The fields of a version-1 worksheet that hold terms, rewritten for the school reading.
#include "plot/version1_terms.h"

#include "fktint/term_reader.h"

namespace plotwerk::plot {

std::vector<RewrittenField> RewriteVersion1Fields(Controls& controls) {
  const struct {
    const char* name;
    std::string Controls::*field;
  } fields[] = {
      {"ed_f1", &Controls::ed_f1},         {"ed_f2", &Controls::ed_f2},
      {"ed_f3", &Controls::ed_f3},         {"ed_f4", &Controls::ed_f4},
      {"ed_xvon", &Controls::ed_xvon},     {"ed_xbis", &Controls::ed_xbis},
      {"ed_parameter", &Controls::ed_parameter}, {"ed_q", &Controls::ed_q},
      {"ed_schardiff", &Controls::ed_schardiff}, {"ed_A", &Controls::ed_A},
      {"ed_B", &Controls::ed_B},           {"ed_von", &Controls::ed_von},
      {"ed_bis", &Controls::ed_bis},       {"ed_delta", &Controls::ed_delta},
  };
  std::vector<RewrittenField> changed;
  for (const auto& f : fields) {
    std::string& text = controls.*f.field;
    std::string rewritten = fktint::RewriteVersion1Term(text);
    if (rewritten == text) continue;
    changed.push_back({f.name, text, rewritten});
    text = std::move(rewritten);
  }
  return changed;
}

}  // namespace plotwerk::plot
