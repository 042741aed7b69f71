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

// The panels of the window: the picture side (drawing area, memo, status line, term panel) and
// the option column (navigation, the scrolling options, the pinned "Draw" panel).
struct LayoutWidgets {
  QWidget* central_panel = nullptr;
  QWidget* option_column = nullptr;
  QWidget* navigation_panel = nullptr;
  QWidget* options_panel = nullptr;
  // Below the scrolling options_panel: "Draw" and "Result List", always in sight.
  QWidget* draw_panel = nullptr;
  QWidget* picture_panel = nullptr;
  QWidget* term_panel = nullptr;
};

// The view buttons above the option column.
struct NavigationWidgets {
  QLabel* navigation_caption = nullptr;
  SpeedButton* move_left_button = nullptr;
  SpeedButton* move_up_button = nullptr;
  SpeedButton* move_down_button = nullptr;
  SpeedButton* move_right_button = nullptr;
  SpeedButton* zoom_in_button = nullptr;
  SpeedButton* zoom_out_button = nullptr;
  SpeedButton* basic_setting_button = nullptr;
};

// The option column: graph width, analysis boxes, domain, parameters, points and their
// constructions, the animation, and the pinned "Draw" and "Result List".
struct OptionWidgets {
  QLabel* graph_width_label = nullptr;
  TermEdit* graph_width_text = nullptr;
  UpDown* graph_width = nullptr;
  QCheckBox* first_derivative = nullptr;
  QCheckBox* second_derivative = nullptr;
  QCheckBox* zeros = nullptr;
  QCheckBox* extrema = nullptr;
  QCheckBox* inflections = nullptr;
  QCheckBox* inflection_tangents = nullptr;
  QCheckBox* antiderivative = nullptr;
  QCheckBox* intersections = nullptr;
  QCheckBox* show_points = nullptr;
  QLabel* domain_label = nullptr;
  TermEdit* domain_from = nullptr;
  QLabel* domain_between_label = nullptr;
  TermEdit* domain_to = nullptr;
  QLabel* parameter_p_label = nullptr;
  TermEdit* parameter_p = nullptr;
  UpDown* parameter_p_stepper = nullptr;
  QLabel* parameter_q_label = nullptr;
  TermEdit* parameter_q = nullptr;
  UpDown* parameter_q_stepper = nullptr;
  QCheckBox* family = nullptr;
  TermEdit* family_step = nullptr;
  QCheckBox* point_a = nullptr;
  TermEdit* point_a_x = nullptr;
  UpDown* point_a_stepper = nullptr;
  QLabel* point_a_y_caption = nullptr;
  QCheckBox* point_b = nullptr;
  TermEdit* point_b_x = nullptr;
  UpDown* point_b_stepper = nullptr;
  QLabel* point_b_y_caption = nullptr;
  QCheckBox* tangent = nullptr;
  QCheckBox* normal = nullptr;
  QCheckBox* secant = nullptr;
  QCheckBox* integral = nullptr;
  QLabel* integral_caption = nullptr;
  QLabel* area_label = nullptr;
  QLabel* area_caption = nullptr;
  QRadioButton* animate_point_a = nullptr;
  QPushButton* animation_button = nullptr;
  QRadioButton* animate_point_b = nullptr;
  QRadioButton* animate_parameter = nullptr;
  QButtonGroup* animated_choice = nullptr;
  QLabel* interval_label = nullptr;
  TermEdit* interval_from = nullptr;
  TermEdit* interval_to = nullptr;
  QLabel* animation_step_label = nullptr;
  TermEdit* animation_step = nullptr;
  QCheckBox* value_table = nullptr;
  // Below the scrolling part, always in sight.
  QPushButton* draw_button = nullptr;
  QCheckBox* result_list = nullptr;
};

// The term panel: the four terms, whether each is plotted, and the derivative buttons.
struct TermWidgets {
  QCheckBox* f1_plotted = nullptr;
  TermEdit* f1_term = nullptr;
  QCheckBox* f2_plotted = nullptr;
  TermEdit* f2_term = nullptr;
  QCheckBox* f3_plotted = nullptr;
  TermEdit* f3_term = nullptr;
  QCheckBox* f4_plotted = nullptr;
  TermEdit* f4_term = nullptr;
  QPushButton* derive_button = nullptr;
  QPushButton* derive_twice_button = nullptr;
};

// The main menu: its menus and items.
struct MenuItems {
  QAction* close_item = nullptr;
  // "Edit"
  QMenu* edit_menu = nullptr;
  QAction* copy_vector_item = nullptr;
  QAction* print_vector_item = nullptr;
  QAction* save_vector_item = nullptr;
  QAction* copy_results_item = nullptr;
  // "Coordinate system"
  QMenu* coordinate_menu = nullptr;
  QAction* axes = nullptr;
  QAction* bold_axes = nullptr;
  QAction* frame = nullptr;
  QAction* degrees = nullptr;
  QAction* radians = nullptr;
  QAction* grid = nullptr;
  QAction* fine_grid = nullptr;
  QAction* term_captions = nullptr;
  QAction* coloured_graphs = nullptr;
  QAction* shrink_interval_item = nullptr;
  QAction* widen_interval_item = nullptr;
  QAction* basic_setting_item = nullptr;
  QAction* adjust_y_item = nullptr;
  QAction* animation_item = nullptr;
  QAction* draw_item = nullptr;
  // "Special functions"
  QMenu* special_menu = nullptr;
  QAction* mirror_in_x_axis = nullptr;
  QAction* mirror_in_origin = nullptr;
  QAction* mirror_in_y_axis = nullptr;
  QAction* shift_along_x = nullptr;
  QAction* stretch_along_x = nullptr;
  QAction* shift_along_y = nullptr;
  QAction* stretch_along_y = nullptr;
  QAction* composition = nullptr;
  QAction* sum_f1_f2 = nullptr;
  QAction* difference_f1_f2 = nullptr;
  QAction* product_f1_f2 = nullptr;
  QAction* quotient_f1_f2 = nullptr;
  QAction* inverse_of_f1 = nullptr;
  QAction* about_item = nullptr;
};

// The main window. Its widgets are held in the groups above under names that are also their
// objectNames (the widgets of the list of controls carry the control's code name from
// plot/controls.h, by which ControlBinding finds them); the handler files of the window reach
// them through the group accessors, read-only.
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
  // A check mark of the menus changed (the toolkit has already inverted it): draw again.
  void OnMenuOptionToggled();
  void OnGraphWidthChanged();
  void OnAdjustYClicked();
  void OnAboutClicked();
  void OnDeriveClicked();
  void OnDeriveTwiceClicked();

  // --- The widgets, by part of the window ------------------------------------------------
  const LayoutWidgets& Panels() const { return panels_; }
  const NavigationWidgets& Navigation() const { return navigation_; }
  const OptionWidgets& Options() const { return options_; }
  const TermWidgets& Terms() const { return terms_; }
  const MenuItems& Menu() const { return menu_; }
  QPlainTextEdit* ResultMemo() const { return result_memo_; }
  PaintBox* DrawingArea() const { return drawing_area_; }
  // Under the drawing area: messages about the fields and the mouse position.
  StatusLine* Status() const { return status_line_; }
  // Non-visual: the animation timer (disabled, 25 ms).
  QTimer* AnimationTimer() const { return animation_timer_; }

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

  LayoutWidgets panels_;
  NavigationWidgets navigation_;
  OptionWidgets options_;
  TermWidgets terms_;
  MenuItems menu_;
  QPlainTextEdit* result_memo_ = nullptr;
  PaintBox* drawing_area_ = nullptr;
  StatusLine* status_line_ = nullptr;
  QTimer* animation_timer_ = nullptr;
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
