// Snapshot of the main window's controls that the drawing reads, one member per control,
// initialised to the values the window opens with. Texts are code page 1252 bytes.
#pragma once

#include <string>

namespace plotwerk::plot {

// The graph widths the stepper UpDown1 offers; the drawing clamps to the same range.
inline constexpr int kMinGraphWidth = 1;
inline constexpr int kMaxGraphWidth = 6;

struct Controls {
  // Term fields and their check boxes.
  std::string ed_f1 = "X*SIN(X+P)";
  std::string ed_f2 = "X^2/4-2";
  std::string ed_f3;
  std::string ed_f4;
  bool c_f1 = true;
  bool c_f2 = false;
  bool c_f3 = true;
  bool c_f4 = true;

  // Graph width: the text of ed_breite and the position of its stepper UpDown1 (1 to 6),
  // which is what the curve drawing reads.
  std::string ed_breite = "1";
  int UpDown1 = 1;

  // Option check boxes.
  bool c_1ableitung = false;
  bool c_2ableitung = false;
  bool c_nullstellen = false;
  bool c_extrema = false;
  bool c_wendepunkte = false;
  bool c_wendetangente = false;
  bool c_stammfunktion = false;
  bool c_schnittpunkte = false;
  bool c_pktanzeige = false;

  // Domain of the graphs.
  std::string ed_xvon = "-1000";
  std::string ed_xbis = "1000";

  // Parameters and the family of curves.
  std::string ed_parameter = "1";
  std::string ed_q = "2";
  bool c_schar = false;
  std::string ed_schardiff = "0,1";

  // Points A and B and their constructions.
  bool c_punktA = false;
  std::string ed_A = "1";
  bool c_punktB = false;
  std::string ed_B = "0";
  bool c_tangente = false;
  bool c_normale = false;
  bool c_sekante = false;
  bool c_integral = false;

  // Labels the drawing rewrites: y of B, y of A, the integral and the area.
  std::string Label10 = ";       )";
  std::string Label11 = ";       )";
  std::string Label13 = "= ";
  std::string Label15 = "= ";

  // What the animation moves (one group, exactly one is checked).
  bool rb_punkta = false;
  bool rb_punktB = false;
  bool rb_parameter = true;

  // Interval of the animation and of the searches; animation step.
  std::string ed_von = "-6";
  std::string ed_bis = "6";
  std::string ed_delta = "0,08";

  bool c_wertetabelle = false;
  bool c_ergebnisliste = false;

  // Whether the result memo Mergebnis is shown.
  bool Mergebnis_visible = false;

  // Menu "Coordinate system".
  bool MAchsen1 = true;
  bool MAchsen21 = false;
  bool M_rahmen = false;
  bool M_winkel = false;
  bool M_bogen = false;
  bool m_raster = true;
  bool m_mmraster = false;
  bool m_terme = true;
  bool m_farbe = true;

  // Menu "Special functions".
  bool spiegelungxachse = false;
  bool spiegelungursprung = false;
  bool spiegelungyachse = false;
  bool verschiebungxachse = false;
  bool streckungxachse = false;
  bool verschiebungyachse = false;
  bool streckungyachse = false;
  bool nacheinanderausfuehrung = false;
  bool funktionsaddition = false;
  bool funktionssubtraktion1 = false;
  bool funktionsmultiplikation = false;
  bool funktionsdivision1 = false;
  bool Umkehrkurvezuf1x1 = false;
};

}  // namespace plotwerk::plot
