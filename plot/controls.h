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
//   Caption  a label the drawing rewrites (std::string); read from the window, never set
//   Shown    whether a widget is visible (bool); the widget's name is the control's name
//            without "_visible"
//   Choice   the index of the entry chosen in a drop-down list (int)
//   Setting  a text the window keeps without a field of its own, set in a dialog (std::string)
enum class ControlKind { Text, Check, Number, Caption, Shown, Choice, Setting };

template <ControlKind K>
struct ControlValue {
  using type = bool;
};
template <>
struct ControlValue<ControlKind::Text> {
  using type = std::string;
};
template <>
struct ControlValue<ControlKind::Caption> {
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

// X(kind, name, start value), in the order of the window from the terms to the menus.
#define PLOTWERK_CONTROLS(X)                                                                    \
  /* Term fields and their check boxes. */                                                      \
  X(Text, ed_f1, "X*SIN(X+P)")                                                                  \
  X(Text, ed_f2, "X^2/4-2")                                                                     \
  X(Text, ed_f3, "")                                                                            \
  X(Text, ed_f4, "")                                                                            \
  X(Check, c_f1, true)                                                                          \
  X(Check, c_f2, false)                                                                         \
  X(Check, c_f3, true)                                                                          \
  X(Check, c_f4, true)                                                                          \
  /* Graph width: the text of ed_breite and the position of its stepper UpDown1 (1 to 6),    */ \
  /* which is what the curve drawing reads.                                                  */ \
  X(Text, ed_breite, "1")                                                                       \
  X(Number, UpDown1, 1)                                                                         \
  /* Option check boxes. */                                                                     \
  X(Check, c_1ableitung, false)                                                                 \
  X(Check, c_2ableitung, false)                                                                 \
  X(Check, c_nullstellen, false)                                                                \
  X(Check, c_extrema, false)                                                                    \
  X(Check, c_wendepunkte, false)                                                                \
  X(Check, c_wendetangente, false)                                                              \
  X(Check, c_stammfunktion, false)                                                              \
  X(Check, c_schnittpunkte, false)                                                              \
  X(Check, c_pktanzeige, false)                                                                 \
  /* Which term the searches, marks and constructions work on (see AnalysedTerm).            */ \
  X(Choice, cb_analyse, 0)                                                                      \
  /* Domain of the graphs. */                                                                   \
  X(Text, ed_xvon, "-1000")                                                                     \
  X(Text, ed_xbis, "1000")                                                                      \
  /* Parameters and the family of curves. */                                                    \
  X(Text, ed_parameter, "1")                                                                    \
  X(Text, ed_q, "2")                                                                            \
  X(Check, c_schar, false)                                                                      \
  X(Text, ed_schardiff, "0,1")                                                                  \
  /* Points A and B and their constructions. */                                                 \
  X(Check, c_punktA, false)                                                                     \
  X(Text, ed_A, "1")                                                                            \
  X(Check, c_punktB, false)                                                                     \
  X(Text, ed_B, "0")                                                                            \
  X(Check, c_tangente, false)                                                                   \
  X(Check, c_normale, false)                                                                    \
  X(Check, c_sekante, false)                                                                    \
  X(Check, c_integral, false)                                                                   \
  /* Labels the drawing rewrites: y of B, y of A, the integral and the area. */                 \
  X(Caption, Label10, ";       )")                                                              \
  X(Caption, Label11, ";       )")                                                              \
  X(Caption, Label13, "= ")                                                                     \
  X(Caption, Label15, "= ")                                                                     \
  /* What the animation moves (one group, exactly one is checked). */                           \
  X(Check, rb_punkta, false)                                                                    \
  X(Check, rb_punktB, false)                                                                    \
  X(Check, rb_parameter, true)                                                                  \
  /* Interval of the animation and of the searches; animation step. */                          \
  X(Text, ed_von, "-6")                                                                         \
  X(Text, ed_bis, "6")                                                                          \
  X(Text, ed_delta, "0,08")                                                                     \
  X(Check, c_wertetabelle, false)                                                               \
  X(Check, c_ergebnisliste, false)                                                              \
  /* Whether the result memo Mergebnis is shown. */                                             \
  X(Shown, Mergebnis_visible, false)                                                            \
  /* Menu "Coordinate system". */                                                               \
  X(Check, MAchsen1, true)                                                                      \
  X(Check, MAchsen21, false)                                                                    \
  X(Check, M_rahmen, false)                                                                     \
  X(Check, M_winkel, false)                                                                     \
  X(Check, M_bogen, false)                                                                      \
  X(Check, m_raster, true)                                                                      \
  X(Check, m_mmraster, false)                                                                   \
  X(Check, m_terme, true)                                                                       \
  X(Check, m_farbe, true)                                                                       \
  X(Check, m_punktnamen, false)                                                                 \
  /* Tick spacing of the x and y axis from the "Window..." dialog; empty is automatic.       */ \
  X(Setting, ed_xabstand, "")                                                                   \
  X(Setting, ed_yabstand, "")                                                                   \
  /* Menu "Special functions". */                                                               \
  X(Check, spiegelungxachse, false)                                                             \
  X(Check, spiegelungursprung, false)                                                           \
  X(Check, spiegelungyachse, false)                                                             \
  X(Check, verschiebungxachse, false)                                                           \
  X(Check, streckungxachse, false)                                                              \
  X(Check, verschiebungyachse, false)                                                           \
  X(Check, streckungyachse, false)                                                              \
  X(Check, nacheinanderausfuehrung, false)                                                      \
  X(Check, funktionsaddition, false)                                                            \
  X(Check, funktionssubtraktion1, false)                                                        \
  X(Check, funktionsmultiplikation, false)                                                      \
  X(Check, funktionsdivision1, false)                                                           \
  X(Check, Umkehrkurvezuf1x1, false)

#define PLOTWERK_CONTROL_MEMBER(kind, name, start) ControlValue<ControlKind::kind>::type name = start;

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
