// Undo and redo of the main window: a QUndoStack whose steps hold the whole state the picture
// is drawn from (the Controls snapshot, the view, the drawn terms, P and Q, smooth lines).
#pragma once

#include <QObject>
#include <QUndoStack>

#include <string>
#include <vector>

#include "plot/controls.h"
#include "plot/view.h"

class QAction;
class QLineEdit;

namespace plotwerk::ui {

class MainWindow;

// What one step restores. The terms and P are those of the last Draw command (they may differ
// from the fields until Enter is pressed); Q is the value the drawing last used.
struct WindowState {
  plot::Controls controls;
  plot::PlotView view;
  std::vector<std::string> terms;
  std::vector<int> term_fields;  // the field each term came from (its colour)
  double param_p = 0;
  double param_q = 0;
  bool smooth_lines = false;
};

// Equal settings, view, terms, P, Q and smoothing.
bool SameState(const WindowState& a, const WindowState& b);

// A child of the main window (objectName "UndoHistory"). After each change the window settles
// (a repaint, a click, a finished field, a mouse release, a wheel turn) the state is compared
// with the last one recorded, and a difference becomes one step. Nothing is recorded while the
// animation runs, a stepper button is held or a marker is dragged, so such a run is one step.
class UndoHistory : public QObject {
  Q_OBJECT
 public:
  explicit UndoHistory(MainWindow& window);

  QUndoStack& Stack() { return stack_; }
  WindowState Capture() const;
  // Puts a state back into the window and draws it, recording nothing.
  void Restore(const WindowState& state);

  QAction* undo_item;
  QAction* redo_item;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs Record once the events of the current change are handled.
  void RecordLater();
  void Record();
  // Records the change in progress at once, so that undo starts from what the window shows.
  void Settle();
  bool Busy() const;
  // True when a field's text is not what the last step recorded: the user is typing in it,
  // so Ctrl+Z belongs to the field.
  bool Typing(const QLineEdit& field) const;

  MainWindow& window_;
  QUndoStack stack_;
  WindowState recorded_;
  bool started_ = false;
  bool pending_ = false;
  bool restoring_ = false;
};

}  // namespace plotwerk::ui
