// The main window: the drawing area, the term fields, the option column, the result
// memo and the main menu, with the handlers that change state and ask for a repaint.
#pragma once

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <memory>
#include <string>

#include "plot/controls.h"
#include "plot/plotter.h"
#include "ui/status_line.h"
#include "ui/widgets.h"

namespace plotwerk::ui {

class ControlBinding;

inline constexpr char kMainWindowTitle[] =
    QT_TRANSLATE_NOOP("plotwerk::ui::MainWindow", "Graphical representation of a function");
// The title in the language of the window.
QString MainWindowTitle();

// Every widget is a member whose name is also its objectName; the widgets of the list of controls
// carry the control's code name (plot/controls.h), by which ControlBinding finds them.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // --- The plot core and the repaint path ---------------------------------------------------
  plot::Plotter& Plotter() { return plotter_; }
  const plot::Plotter& Plotter() const { return plotter_; }
  // The current state of every control the drawing reads (control_binding.cpp).
  plot::Controls SnapshotControls() const;
  // Puts the settings of a snapshot into the controls (the captions aside) and lays the window
  // out for the memo's visibility, without drawing: the caller sets the view and then runs the
  // Draw command.
  void ApplyControls(const plot::Controls& controls);
  // Renders the picture off-screen and shows it in one copy.
  void Redraw();
  // Runs the drawing on a fresh off-screen image of the drawing area's size at the given
  // device pixel ratio (1: one image pixel per area pixel, as the bitmap exports want) and
  // writes the labels the drawing rewrites back into the window. Shows nothing.
  QImage RenderPicture(qreal device_pixel_ratio);
  // Redraw, then the result memo refreshed when it is shown.
  void RedrawWithResults();
  // Antialiasing of the screen picture and of the bitmap exports ("Smooth lines"); off at
  // start, so the picture is pixel-exact.
  bool SmoothLines() const { return smooth_lines_; }
  void SetSmoothLines(bool smooth) { smooth_lines_ = smooth; }
  // The size of the drawing area in its own (device-independent) pixels.
  int PaintWidth() const;
  int PaintHeight() const;

  // --- Handlers of the window ---------------------------------------------------------------
  void OnFirstShown();
  void OnDrawingAreaResized();
  void OnDrawClicked();
  void OnCloseClicked();
  void OnResultListToggled();
  void OnMenuOptionToggled(QAction* item);
  void OnGraphWidthChanged();
  void OnAdjustYClicked();
  void OnAboutClicked();
  void OnDeriveClicked();
  void OnDeriveTwiceClicked();

  // --- Widgets (see the layout in main_window.cpp) ------------------------------------------
  QWidget* central_panel;
  QWidget* option_column;
  QWidget* navigation_panel;
  QWidget* options_panel;
  // Below the scrolling options_panel: "Draw" and "Result List", always in sight.
  QWidget* draw_panel;
  QWidget* picture_panel;
  QWidget* term_panel;
  QPlainTextEdit* result_memo;
  PaintBox* drawing_area;
  // Under the drawing area: messages about the fields and the mouse position.
  StatusLine* status_line;

  // navigation_panel: view navigation.
  QLabel* navigation_caption;
  SpeedButton* move_left_button;
  SpeedButton* move_up_button;
  SpeedButton* move_down_button;
  SpeedButton* move_right_button;
  SpeedButton* zoom_in_button;
  SpeedButton* zoom_out_button;
  SpeedButton* basic_setting_button;

  // options_panel: options, numbers and buttons.
  QLabel* graph_width_label;
  TermEdit* graph_width_text;
  UpDown* graph_width;
  QCheckBox* first_derivative;
  QCheckBox* second_derivative;
  QCheckBox* zeros;
  QCheckBox* extrema;
  QCheckBox* inflections;
  QCheckBox* inflection_tangents;
  QCheckBox* antiderivative;
  QCheckBox* intersections;
  QCheckBox* show_points;
  QLabel* domain_label;
  TermEdit* domain_from;
  QLabel* domain_between_label;
  TermEdit* domain_to;
  QLabel* parameter_p_label;
  TermEdit* parameter_p;
  UpDown* parameter_p_stepper;
  QLabel* parameter_q_label;
  TermEdit* parameter_q;
  UpDown* parameter_q_stepper;
  QCheckBox* family;
  TermEdit* family_step;
  QCheckBox* point_a;
  TermEdit* point_a_x;
  UpDown* point_a_stepper;
  QLabel* point_a_y_caption;
  QCheckBox* point_b;
  TermEdit* point_b_x;
  UpDown* point_b_stepper;
  QLabel* point_b_y_caption;
  QCheckBox* tangent;
  QCheckBox* normal;
  QCheckBox* secant;
  QCheckBox* integral;
  QLabel* integral_caption;
  QLabel* area_label;
  QLabel* area_caption;
  QRadioButton* animate_point_a;
  QPushButton* animation_button;
  QRadioButton* animate_point_b;
  QRadioButton* animate_parameter;
  QButtonGroup* animated_choice;
  QLabel* interval_label;
  TermEdit* interval_from;
  TermEdit* interval_to;
  QLabel* animation_step_label;
  TermEdit* animation_step;
  QCheckBox* value_table;
  QPushButton* draw_button;
  QCheckBox* result_list;

  // term_panel: terms.
  QCheckBox* f1_plotted;
  TermEdit* f1_term;
  QCheckBox* f2_plotted;
  TermEdit* f2_term;
  QCheckBox* f3_plotted;
  TermEdit* f3_term;
  QCheckBox* f4_plotted;
  TermEdit* f4_term;
  QPushButton* derive_button;
  QPushButton* derive_twice_button;

  // Non-visual: the animation timer (disabled, 25 ms).
  QTimer* animation_timer;

  // Main menu main_menu.
  QAction* close_item;
  QMenu* edit_menu;
  QAction* copy_vector_item;
  QAction* print_vector_item;
  QAction* save_vector_item;
  QAction* copy_results_item;
  QMenu* coordinate_menu;
  QAction* axes;
  QAction* bold_axes;
  QAction* frame;
  QAction* degrees;
  QAction* radians;
  QAction* grid;
  QAction* fine_grid;
  QAction* term_captions;
  QAction* coloured_graphs;
  QAction* shrink_interval_item;
  QAction* widen_interval_item;
  QAction* basic_setting_item;
  QAction* adjust_y_item;
  QAction* animation_item;
  QAction* draw_item;
  QMenu* special_menu;
  QAction* mirror_in_x_axis;
  QAction* mirror_in_origin;
  QAction* mirror_in_y_axis;
  QAction* shift_along_x;
  QAction* stretch_along_x;
  QAction* shift_along_y;
  QAction* stretch_along_y;
  QAction* composition;
  QAction* sum_f1_f2;
  QAction* difference_f1_f2;
  QAction* product_f1_f2;
  QAction* quotient_f1_f2;
  QAction* inverse_of_f1;
  QAction* about_item;

 signals:
  // Raised at the start of every activation (the first one resets the view); the mouse handlers
  // clear their drag state here.
  void Activated();
  // Raised after every repaint of the drawing area.
  void Repainted();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void BuildNavigationPanel();
  void BuildOptionColumn();
  void BuildTermPanel();
  void BuildMenu();
  void SetTabOrder();
  void Wire();
  void ShowResultList();
  // y from x for the current size of the drawing area: both axes get the same scale.
  void MatchYToX();

  plot::Plotter plotter_;
  // The controls of the list, found by name at the first snapshot.
  mutable std::unique_ptr<ControlBinding> binding_;
  bool first_show_done_ = false;
  bool smooth_lines_ = false;
  // Set while another window of the program (the About window) is active, so that returning to
  // this window redraws.
  bool other_window_was_active_ = false;
};

}  // namespace plotwerk::ui
