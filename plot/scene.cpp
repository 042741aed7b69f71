// Reading the controls into the scene of one redraw.
#include "plot/scene.h"

#include <algorithm>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

// Sets partner, partner_drawn and names for the choice of cb_analyse.
void ChoosePartner(Scene& scene) {
  const Controls& c = scene.controls;
  // The area and the intersections are taken with f2; f2 itself is taken with f1.
  const bool with_f1 = c.analysed_term == 2;
  scene.partner = with_f1 ? c.f1_term : c.f2_term;
  scene.partner_drawn = with_f1 ? c.f1_plotted : c.f2_plotted;
  scene.names = {};
  if (c.analysed_term >= 1 && c.analysed_term < kAnalyseChoices) {
    scene.names.analysed = "f" + std::to_string(c.analysed_term);
    scene.names.partner = with_f1 ? "f1" : "f2";
  }
}

}  // namespace

std::ptrdiff_t AnalysedEntry(int choice, const std::vector<int>& fields) {
  if (choice < 1 || choice >= kAnalyseChoices) return fields.empty() ? -1 : 0;
  const auto at = std::find(fields.begin(), fields.end(), choice);
  return at == fields.end() ? -1 : at - fields.begin();
}

Scene ReadScene(const Controls& controls, const TermList& terms, const Parameters& parameters) {
  auto number = [](const std::string& text, const Parameters& with) {
    return fktint::ReadNumberField(text, with.p, with.q);
  };
  Scene scene{.controls = controls};
  scene.domain_from = number(controls.domain_from, parameters);
  scene.domain_to = number(controls.domain_to, parameters);
  scene.point_a_x = number(controls.point_a_x, parameters);
  scene.point_b_x = number(controls.point_b_x, parameters);
  scene.interval_from = number(controls.interval_from, parameters);
  scene.interval_to = number(controls.interval_to, parameters);
  scene.family_step = number(controls.family_step, parameters);
  scene.family_last_p = number(controls.parameter_q, parameters);
  for (std::size_t i = 0; i < terms.Size(); ++i) {
    const std::string& text = terms.Terms()[i];
    scene.terms.push_back({text, fktint::CompileTerm(text), terms.Fields()[i]});
  }
  if (!scene.terms.empty()) {
    ChoosePartner(scene);
    scene.analysed = AnalysedEntry(controls.analysed_term, terms.Fields());
  }
  if (scene.analysed >= 0) scene.analysed_term = scene.terms[static_cast<std::size_t>(scene.analysed)].text;
  // The family leaves Q at its last value, so the value table's bounds are read again then.
  const bool family_drawn = controls.family && scene.analysed >= 0;
  const Parameters after_family{.p = parameters.p, .q = family_drawn ? scene.family_last_p : parameters.q};
  scene.value_table_from = family_drawn ? number(controls.interval_from, after_family) : scene.interval_from;
  scene.value_table_to = family_drawn ? number(controls.interval_to, after_family) : scene.interval_to;
  scene.value_table_step = number(controls.animation_step, after_family);
  return scene;
}

}  // namespace plotwerk::plot
