// The fields of a version-1 worksheet that hold terms, rewritten for the school reading.
#include "plot/version1_terms.h"

#include "fktint/term_reader.h"

namespace plotwerk::plot {

std::vector<RewrittenField> RewriteVersion1Fields(Controls& controls) {
  const struct {
    const char* name;
    std::string Controls::*field;
  } fields[] = {
      {"ed_f1", &Controls::f1_term},         {"ed_f2", &Controls::f2_term},
      {"ed_f3", &Controls::f3_term},         {"ed_f4", &Controls::f4_term},
      {"ed_xvon", &Controls::domain_from},     {"ed_xbis", &Controls::domain_to},
      {"ed_parameter", &Controls::parameter_p}, {"ed_q", &Controls::parameter_q},
      {"ed_schardiff", &Controls::family_step}, {"ed_A", &Controls::point_a_x},
      {"ed_B", &Controls::point_b_x},           {"ed_von", &Controls::interval_from},
      {"ed_bis", &Controls::interval_to},       {"ed_delta", &Controls::animation_step},
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
