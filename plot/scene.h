// The scene one redraw draws, read from the controls once: the numbers of the fields, the terms
// of the list, which of them the searches and constructions work on and with which partner.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "fktint/fktint.h"
#include "plot/controls.h"
#include "plot/parameters.h"
#include "plot/results.h"
#include "plot/term_list.h"

namespace plotwerk::plot {

// A term of the list, read once, and the field (1 to 4) it came from, which gives its curve
// the colour.
struct SceneTerm {
  std::string text;
  std::shared_ptr<const fktint::CompiledTerm> compiled;
  int field = 0;
};

struct Scene {
  // The switches, and the texts the result lines quote as typed (ed_von and ed_bis).
  const Controls& controls;
  // The number fields, each read once with the P and Q the redraw starts from; a field that
  // cannot be read counts as 0.
  double domain_from = 0;      // ed_xvon: the graphs start right of it
  double domain_to = 0;        // ed_xbis: and end at it
  double point_a_x = 0;        // ed_A
  double point_b_x = 0;        // ed_B
  double interval_from = 0;    // ed_von: the searches
  double interval_to = 0;      // ed_bis
  double family_step = 0;      // ed_schardiff as typed (the family bounds it)
  double family_last_p = 0;    // ed_q: the family runs P up to this value and leaves Q there
  // The value table comes after the family of curves, so its fields ed_von, ed_bis and
  // ed_delta are read with the Q the family leaves.
  double value_table_from = 0;
  double value_table_to = 0;
  double value_table_step = 0;
  // The terms of the list in drawing order.
  std::vector<SceneTerm> terms{};
  // The entry of `terms` the searches, marks and constructions work on (-1: none), its text,
  // the term its area and intersections are taken with, and the names the texts give both.
  std::ptrdiff_t analysed = -1;
  std::string analysed_term{};
  std::string partner{};
  bool partner_drawn = false;
  TermNames names{};
};

// Reads the controls and the term list into the scene, evaluating the number fields with
// `parameters`.
Scene ReadScene(const Controls& controls, const TermList& terms, const Parameters& parameters);

// Which entry of the term list the first-term steps work on, as cb_analyse chooses: the first
// entry, or the entry that came from the chosen field (`fields` holds each entry's field, 1 to
// 4). -1 when the chosen field is not in the list (empty, unchecked or unreadable).
std::ptrdiff_t AnalysedEntry(int choice, const std::vector<int>& fields);

}  // namespace plotwerk::plot
