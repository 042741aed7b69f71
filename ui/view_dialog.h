// "Coordinate system" -> "Window...": the visible window of the plane typed exactly (x and y
// from/to), the tick spacing of each axis (automatic unless typed) and "equal scales".
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "plot/parameters.h"
#include "plot/view.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace plotwerk::ui {

class MainWindow;

// What the dialog hands back: the view and the two spacing texts ("" = automatic).
struct ViewChoice {
  plot::PlotView view;
  std::string x_tick;
  std::string y_tick;
};

// Reads the dialog's texts into a choice: numbers may be constant terms with "," or "."; with
// equal scales y keeps the middle of its range and takes the x scale for an area of
// width x height pixels; P and Q in the texts are `parameters`. On failure returns nothing and
// says why in *error.
std::optional<ViewChoice> ReadViewChoice(const std::string& x_from, const std::string& x_to,
                                         const std::string& y_from, const std::string& y_to,
                                         const std::string& x_tick, const std::string& y_tick, bool equal_scales,
                                         int width, int height, const plot::Parameters& parameters,
                                         std::string* error);

class ViewDialog : public QDialog {
  Q_OBJECT
 public:
  // Filled from the window's current view and spacings.
  explicit ViewDialog(MainWindow& window);

  // The choice accepted with OK (valid only after exec() returned Accepted).
  const ViewChoice& Choice() const { return choice_; }

  QLineEdit* XFrom;
  QLineEdit* XTo;
  QLineEdit* YFrom;
  QLineEdit* YTo;
  QCheckBox* XTickAuto;
  QLineEdit* XTick;
  QCheckBox* YTickAuto;
  QLineEdit* YTick;
  QCheckBox* EqualScales;
  QLabel* Problem;

  void accept() override;

 private:
  MainWindow& window_;
  ViewChoice choice_;
};

// Opens the dialog and, on OK, applies the choice as one step of the window (one undo step).
void ShowViewDialog(MainWindow& window);
// Applies a choice to the window: view, spacings, repaint.
void ApplyViewChoice(MainWindow& window, const ViewChoice& choice);

}  // namespace plotwerk::ui
