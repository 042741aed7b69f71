// Reading the controls into the scene of one redraw.
#include "plot/scene.h"

#include <algorithm>

#include "fktint/fktint.h"

namespace plotwerk::plot {

namespace {

// The term fields f1 to f4.
constexpr int kTermFields = 4;

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

std::vector<int> DrawnFields(const Controls& c) {
  const bool drawn[kTermFields] = {c.f1_plotted && !c.f1_term.empty(), c.f2_plotted && !c.f2_term.empty(),
                                   c.f3_plotted && !c.f3_term.empty(), c.f4_plotted && !c.f4_term.empty()};
  std::vector<int> out;
  for (int i = 0; i < kTermFields; ++i) {
    if (drawn[i]) out.push_back(i + 1);
  }
  return out;
}

std::ptrdiff_t AnalysedEntry(const Controls& c, std::size_t list_size) {
  if (c.analysed_term < 1 || c.analysed_term >= kAnalyseChoices) return list_size > 0 ? 0 : -1;
  const std::vector<int> fields = DrawnFields(c);
  const auto at = std::find(fields.begin(), fields.end(), c.analysed_term);
  if (at == fields.end()) return -1;
  const std::ptrdiff_t entry = at - fields.begin();
  return static_cast<std::size_t>(entry) < list_size ? entry : -1;
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
    scene.analysed = AnalysedEntry(controls, scene.terms.size());
  }
  if (scene.analysed >= 0) scene.analysed_term = scene.terms[static_cast<std::size_t>(scene.analysed)].text;
  Parameters after_family = parameters;
  if (controls.family && scene.analysed >= 0) after_family.q = scene.family_last_p;
  scene.value_table_from = number(controls.interval_from, after_family);
  scene.value_table_to = number(controls.interval_to, after_family);
  scene.value_table_step = number(controls.animation_step, after_family);
  return scene;
}

}  // namespace plotwerk::plot
