// Snapshot of the main window's controls that the drawing reads, one member per control,
// initialised to the values the window opens with. Texts are code page 1252 bytes.
//
// PLOTWERK_CONTROLS is the one list of the controls: the struct below, the command line's
// --set names, the window's snapshot (widgets found by these names) and the worksheet keys are
// all made from it. Add a control here and every one of them knows it.
#pragma once

#include <cstddef>
#include <string>

#include "plot/field_length.h"

namespace plotwerk::plot {

// What a control holds:
//   Text     the text of an edit field (std::string)
//   Check    a check box, radio button or menu check mark (bool)
//   Number   the position of an up-down stepper (int)
//   Shown    whether a widget is visible (bool); the widget's name is the control's name
//            without "_visible"
//   Choice   the index of the entry chosen in a drop-down list (int)
//   Setting  a text the window keeps without a field of its own, set in a dialog (std::string)
enum class ControlKind { Text, Check, Number, Shown, Choice, Setting };

template <ControlKind K>
struct ControlValue {
  using type = bool;
};
template <>
struct ControlValue<ControlKind::Text> {
  using type = std::string;
};
template <>
struct ControlValue<ControlKind::Number> {
  using type = int;
};
template <>
struct ControlValue<ControlKind::Choice> {
  using type = int;
};
template <>
struct ControlValue<ControlKind::Setting> {
  using type = std::string;
};

// X(kind, name, key, start value), in the order of the window from the terms to the menus.
// `name` is the member of Controls and the object name of the control's widget in the window;
// `key` is the control's name in worksheet files, in --set and in the browser page, so code names
// can change without changing any file.
#define PLOTWERK_CONTROLS(X)                                                                       \
  /* Term fields and their check boxes. */                                                         \
  X(Text, f1_term, "ed_f1", "X*SIN(X+P)")                                                          \
  X(Text, f2_term, "ed_f2", "X^2/4-2")                                                             \
  X(Text, f3_term, "ed_f3", "")                                                                    \
  X(Text, f4_term, "ed_f4", "")                                                                    \
  X(Check, f1_plotted, "c_f1", true)                                                               \
  X(Check, f2_plotted, "c_f2", false)                                                              \
  X(Check, f3_plotted, "c_f3", true)                                                               \
  X(Check, f4_plotted, "c_f4", true)                                                               \
  /* Graph width: the text of its field and the position of its stepper (1 to 6), */               \
  /* which is what the curve drawing reads. */                                                     \
  X(Text, graph_width_text, "ed_breite", "1")                                                      \
  X(Number, graph_width, "UpDown1", 1)                                                             \
  /* Option check boxes. */                                                                        \
  X(Check, first_derivative, "c_1ableitung", false)                                                \
  X(Check, second_derivative, "c_2ableitung", false)                                               \
  X(Check, zeros, "c_nullstellen", false)                                                          \
  X(Check, extrema, "c_extrema", false)                                                            \
  X(Check, inflections, "c_wendepunkte", false)                                                    \
  X(Check, inflection_tangents, "c_wendetangente", false)                                          \
  X(Check, antiderivative, "c_stammfunktion", false)                                               \
  X(Check, intersections, "c_schnittpunkte", false)                                                \
  X(Check, show_points, "c_pktanzeige", false)                                                     \
  /* Which term the searches, marks and constructions work on (see AnalysedTerm). */               \
  X(Choice, analysed_term, "cb_analyse", 0)                                                        \
  /* Domain of the graphs. */                                                                      \
  X(Text, domain_from, "ed_xvon", "-1000")                                                         \
  X(Text, domain_to, "ed_xbis", "1000")                                                            \
  /* Parameters and the family of curves. */                                                       \
  X(Text, parameter_p, "ed_parameter", "1")                                                        \
  X(Text, parameter_q, "ed_q", "2")                                                                \
  X(Check, family, "c_schar", false)                                                               \
  X(Text, family_step, "ed_schardiff", "0,1")                                                      \
  /* Points A and B and their constructions. */                                                    \
  X(Check, point_a, "c_punktA", false)                                                             \
  X(Text, point_a_x, "ed_A", "1")                                                                  \
  X(Check, point_b, "c_punktB", false)                                                             \
  X(Text, point_b_x, "ed_B", "0")                                                                  \
  X(Check, tangent, "c_tangente", false)                                                           \
  X(Check, normal, "c_normale", false)                                                             \
  X(Check, secant, "c_sekante", false)                                                             \
  X(Check, integral, "c_integral", false)                                                          \
  /* What the animation moves (one group, exactly one is checked). */                              \
  X(Check, animate_point_a, "rb_punkta", false)                                                    \
  X(Check, animate_point_b, "rb_punktB", false)                                                    \
  X(Check, animate_parameter, "rb_parameter", true)                                                \
  /* Interval of the animation and of the searches; animation step. */                             \
  X(Text, interval_from, "ed_von", "-6")                                                           \
  X(Text, interval_to, "ed_bis", "6")                                                              \
  X(Text, animation_step, "ed_delta", "0,08")                                                      \
  X(Check, value_table, "c_wertetabelle", false)                                                   \
  X(Check, result_list, "c_ergebnisliste", false)                                                  \
  /* Whether the result memo is shown. */                                                          \
  X(Shown, result_memo_visible, "Mergebnis_visible", false)                                        \
  /* Menu "Coordinate system". */                                                                  \
  X(Check, axes, "MAchsen1", true)                                                                 \
  X(Check, bold_axes, "MAchsen21", false)                                                          \
  X(Check, frame, "M_rahmen", false)                                                               \
  X(Check, degrees, "M_winkel", false)                                                             \
  X(Check, radians, "M_bogen", false)                                                              \
  X(Check, grid, "m_raster", true)                                                                 \
  X(Check, fine_grid, "m_mmraster", false)                                                         \
  X(Check, term_captions, "m_terme", true)                                                         \
  X(Check, coloured_graphs, "m_farbe", true)                                                       \
  X(Check, point_labels, "m_punktnamen", false)                                                    \
  /* Tick spacing of the x and y axis from the "Window..." dialog; empty is automatic. */          \
  X(Setting, x_tick_spacing, "ed_xabstand", "")                                                    \
  X(Setting, y_tick_spacing, "ed_yabstand", "")                                                    \
  /* Menu "Special functions". */                                                                  \
  X(Check, mirror_in_x_axis, "spiegelungxachse", false)                                            \
  X(Check, mirror_in_origin, "spiegelungursprung", false)                                          \
  X(Check, mirror_in_y_axis, "spiegelungyachse", false)                                            \
  X(Check, shift_along_x, "verschiebungxachse", false)                                             \
  X(Check, stretch_along_x, "streckungxachse", false)                                              \
  X(Check, shift_along_y, "verschiebungyachse", false)                                             \
  X(Check, stretch_along_y, "streckungyachse", false)                                              \
  X(Check, composition, "nacheinanderausfuehrung", false)                                          \
  X(Check, sum_f1_f2, "funktionsaddition", false)                                                  \
  X(Check, difference_f1_f2, "funktionssubtraktion1", false)                                       \
  X(Check, product_f1_f2, "funktionsmultiplikation", false)                                        \
  X(Check, quotient_f1_f2, "funktionsdivision1", false)                                            \
  X(Check, inverse_of_f1, "Umkehrkurvezuf1x1", false)

#define PLOTWERK_CONTROL_MEMBER(kind, name, key, start) ControlValue<ControlKind::kind>::type name = start;

struct Controls {
  PLOTWERK_CONTROLS(PLOTWERK_CONTROL_MEMBER)
};

#undef PLOTWERK_CONTROL_MEMBER

// The entries of cb_analyse: the first plotted term, or the term of f1 to f4.
inline constexpr int kAnalyseFirstPlotted = 0;
inline constexpr int kAnalyseChoices = 5;

// The range of the graph-width stepper UpDown1.
inline constexpr int kMinGraphWidth = 1;
inline constexpr int kMaxGraphWidth = 6;

}  // namespace plotwerk::plot
