// Undo and redo over whole window states: the triggers that record a step when the window has
// settled after a change, the step itself, and putting a state back.
#include "ui/undo.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>
#include <QUndoCommand>

#include <optional>
#include <utility>

#include "plot/controls_names.h"
#include "ui/control_binding.h"
#include "ui/navigation.h"
#include "ui/main_window.h"
#include "ui/widgets.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

const QKeySequence kRedoKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);

void InstallUndo(MainWindow& window) { new UndoHistory(window); }
const WindowExtensionRegistration kUndo{&InstallUndo};

// One change of the window: undo puts the state before it back, redo the state after it.
class StateStep : public QUndoCommand {
 public:
  StateStep(UndoHistory& history, WindowState before, WindowState after)
      : history_(history), before_(std::move(before)), after_(std::move(after)) {}

  void undo() override { history_.Restore(before_); }
  void redo() override {
    // Pushed after the change happened: the window already shows the state after it.
    if (first_redo_) {
      first_redo_ = false;
      return;
    }
    history_.Restore(after_);
  }

 private:
  UndoHistory& history_;
  WindowState before_;
  WindowState after_;
  bool first_redo_ = true;
};

bool IsUndoKey(const QKeyEvent& key) { return key.matches(QKeySequence::Undo); }
bool IsRedoKey(const QKeyEvent& key) {
  return QKeySequence(key.keyCombination()) == kRedoKeys || key.matches(QKeySequence::Redo);
}

}  // namespace

bool SameState(const WindowState& a, const WindowState& b) {
  if (a.view != b.view || a.terms != b.terms || a.term_fields != b.term_fields || a.param_p != b.param_p || a.param_q != b.param_q ||
      a.smooth_lines != b.smooth_lines) {
    return false;
  }
  return plot::SameSettings(a.controls, b.controls);
}

UndoHistory::UndoHistory(MainWindow& window) : QObject(&window), window_(window), stack_(this) {
  setObjectName("UndoHistory");
  undo_item = new QAction(tr("Undo"), this);
  undo_item->setObjectName("undo_item");
  undo_item->setShortcut(QKeySequence::Undo);
  undo_item->setEnabled(false);
  connect(&stack_, &QUndoStack::canUndoChanged, undo_item, &QAction::setEnabled);
  connect(undo_item, &QAction::triggered, this, [this] {
    Settle();
    stack_.undo();
  });
  redo_item = new QAction(tr("Redo"), this);
  redo_item->setObjectName("redo_item");
  redo_item->setShortcut(kRedoKeys);
  redo_item->setEnabled(false);
  connect(&stack_, &QUndoStack::canRedoChanged, redo_item, &QAction::setEnabled);
  connect(redo_item, &QAction::triggered, this, [this] {
    Settle();
    stack_.redo();
  });
  // At the top of "Edit", where every program has them.
  QMenu* edit = window.Menu().edit_menu;
  QAction* first = edit->actions().value(0);
  edit->insertAction(first, undo_item);
  edit->insertAction(first, redo_item);
  edit->insertSeparator(first);

  connect(&window, &MainWindow::Repainted, this, &UndoHistory::RecordLater);
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    connect(button, &QAbstractButton::clicked, this, &UndoHistory::RecordLater);
  }
  for (QAction* item : window.findChildren<QAction*>()) {
    connect(item, &QAction::triggered, this, &UndoHistory::RecordLater);
  }
  for (TermEdit* field : window.findChildren<TermEdit*>()) {
    connect(field, &QLineEdit::editingFinished, this, &UndoHistory::RecordLater);
    field->installEventFilter(this);
  }
  connect(window.DrawingArea(), &PaintBox::MouseUp, this, &UndoHistory::RecordLater);
  window.DrawingArea()->installEventFilter(this);
}

WindowState UndoHistory::Capture() const {
  WindowState s;
  s.controls = window_.SnapshotControls();
  s.view = window_.Plotter().View();
  s.terms = window_.Plotter().Terms().Terms();
  s.term_fields = window_.Plotter().Terms().Fields();
  s.param_p = window_.Plotter().Params().p;
  s.param_q = window_.Plotter().Params().q;
  s.smooth_lines = window_.SmoothLines();
  return s;
}

void UndoHistory::Restore(const WindowState& state) {
  restoring_ = true;
  window_.ApplyControls(state.controls);
  if (auto* smooth = window_.findChild<QAction*>("smooth_lines_item")) {
    const QSignalBlocker quiet(smooth);
    smooth->setChecked(state.smooth_lines);
  }
  window_.SetSmoothLines(state.smooth_lines);
  window_.Plotter().SetView(state.view);
  plot::TermList& terms = window_.Plotter().Terms();
  terms.Clear();
  for (std::size_t i = 0; i < state.terms.size(); ++i) {
    terms.Add(state.terms[i], i < state.term_fields.size() ? state.term_fields[i] : 0);
  }
  // The captions beside the fields follow from the repaint, which writes all four.
  window_.Plotter().SetParameters({state.param_p, state.param_q});
  window_.RedrawWithResults();
  recorded_ = Capture();
  restoring_ = false;
}

void UndoHistory::RecordLater() {
  if (pending_ || restoring_) return;
  pending_ = true;
  QTimer::singleShot(0, this, &UndoHistory::Record);
}

void UndoHistory::Settle() {
  // A running animation ends here, and its run becomes a step before anything is undone.
  if (window_.AnimationTimer()->isActive()) window_.Options().animation_button->click();
  Record();
}

bool UndoHistory::Busy() const {
  if (restoring_ || window_.AnimationTimer()->isActive()) return true;
  for (const UpDown* stepper : window_.findChildren<UpDown*>()) {
    if (stepper->UpButton()->isDown() || stepper->DownButton()->isDown()) return true;
  }
  const auto* navigation = window_.findChild<ViewNavigation*>();
  return navigation != nullptr && (navigation->DragMode() != 0 || navigation->RubberBand());
}

void UndoHistory::Record() {
  pending_ = false;
  // The end of the run (the animation stopped, the button or the mouse released) asks again.
  if (Busy()) return;
  WindowState now = Capture();
  if (!started_) {
    // The state the window opened with is where undo stops.
    started_ = true;
    recorded_ = std::move(now);
    return;
  }
  if (SameState(now, recorded_)) return;
  WindowState before = std::exchange(recorded_, now);
  stack_.push(new StateStep(*this, std::move(before), std::move(now)));
}

bool UndoHistory::Typing(const QLineEdit& field) const {
  const std::optional<std::string> recorded = ControlText(recorded_.controls, field.objectName().toStdString());
  if (!recorded) return true;
  return field.text() != QString::fromLatin1(*recorded);
}

bool UndoHistory::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && watched == window_.DrawingArea()) {
    RecordLater();
  } else if (event->type() == QEvent::ShortcutOverride) {
    // A field claims Ctrl+Z for its own undo. Let it, while its text is being typed; once the
    // text is what the last step holds, the keys go to the window's undo and redo.
    auto* key = static_cast<QKeyEvent*>(event);
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field != nullptr && (IsUndoKey(*key) || IsRedoKey(*key)) && !Typing(*field) &&
        !(IsRedoKey(*key) && field->isRedoAvailable())) {
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace plotwerk::ui
