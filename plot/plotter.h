// The plot core of the main window: view, mapping, term list, result list and point tables,
// and the redraw that renders the coordinate system and every graph onto a canvas.
#pragma once

#include <vector>

#include "plot/canvas.h"
#include "plot/controls.h"
#include "plot/drawing.h"
#include "plot/parameters.h"
#include "plot/point_tables.h"
#include "plot/result_list.h"
#include "plot/term_list.h"
#include "plot/view.h"

namespace plotwerk::plot {

class Plotter {
 public:
  const PlotView& View() const { return view_; }
  void SetView(const PlotView& view) { view_ = view; }
  // x from -6 to 6 with equal scales on width x height pixels.
  void ApplyBasicSetting(int width, int height) { view_ = BasicSetting(width, height); }

  const ScreenMapping& Mapping() const { return mapping_; }
  // Recomputes the mapping for the current view and area without drawing.
  void UpdateMapping(int width, int height);
  // The result list of the last zeichnen.
  const ResultList& Results() const { return drawing_.results; }
  TermList& Terms() { return terms_; }
  const TermList& Terms() const { return terms_; }
  PointTables& Points() { return points_; }
  bool ColourSwitch() const { return colour_switch_; }
  // The domain of the graphs, as the last zeichnen read it from ed_xvon and ed_xbis.
  double XFrom() const { return x_from_; }
  double XTo() const { return x_to_; }
  // The colour each term of the list was drawn in by the last zeichnen, in list order.
  const std::vector<Rgb>& TermColours() const { return term_colours_; }

  // P and Q of every evaluation. They are set through SetParameters only: by the Draw
  // command, the animation and the steppers, and when a state is restored; the family of curves
  // leaves Q at the value of ed_q it ran up to.
  const Parameters& Params() const { return parameters_; }
  void SetParameters(const Parameters& parameters) { parameters_ = parameters; }

  // The Draw command's part without the repaint: fills the term list from the four fields and
  // sets P from ed_parameter and Q from ed_q unless the field is empty.
  void DrawCommand(const Controls& controls);

  // Computes the mapping for width x height and runs koordinatensystem then zeichnen on a
  // fresh white canvas of that size. Sizes below 1 are taken as 1; a view without positive
  // finite spans is replaced by the basic setting. Returns the run's result lines and captions.
  const Drawing& Redraw(Canvas& canvas, int width, int height, const Controls& controls);

  // The two drawing steps on their own, using the current mapping.
  void Koordinatensystem(Canvas& canvas, const Controls& controls) const;
  const Drawing& Zeichnen(Canvas& canvas, const Controls& controls);
  // Both steps, the coordinate system first: the picture again on another canvas (the vector
  // exports and the printed page).
  const Drawing& DrawPicture(Canvas& canvas, const Controls& controls);

 private:
  PlotView view_;
  ScreenMapping mapping_;
  TermList terms_;
  Parameters parameters_;
  Drawing drawing_;
  PointTables points_;
  bool colour_switch_ = false;
  double x_from_ = -1000;
  double x_to_ = 1000;
  std::vector<Rgb> term_colours_;
};

}  // namespace plotwerk::plot
