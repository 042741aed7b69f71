// The main window without a mouse: the view buttons and the drawing area in the Tab order,
// the zoom and basic-setting shortcuts, the arrow keys on the drawing area, Space for the focused
// button, and the focus handed back to the window after every dialog.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

class Keyboard : public QObject {
 public:
  explicit Keyboard(MainWindow& window) : QObject(&window), window_(window) {
    // The view buttons follow the term panel (the column's top), the drawing area comes last.
    const NavigationWidgets& view = window.Navigation();
    QWidget* chain[] = {window.Terms().derive_twice_button, view.move_left_button, view.move_up_button,
                        view.move_down_button, view.move_right_button, view.zoom_in_button,
                        view.zoom_out_button, view.basic_setting_button, window.Options().graph_width_text};
    for (std::size_t i = 1; i < std::size(chain); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    QWidget::setTabOrder(window.ResultMemo(), window.DrawingArea());
    // The memo is read-only: Tab leaves it instead of typing a tab.
    window.ResultMemo()->setTabChangesFocus(true);

    // The keys other programs use for zooming; Ctrl+= is Ctrl++ on keyboards where + needs Shift.
    window.Menu().shrink_interval_item->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    window.Menu().widen_interval_item->setShortcuts({QKeySequence(QKeySequence::ZoomOut)});
    // Space stays the first key of the basic setting; Ctrl+0 is the one other programs use.
    window.Menu().basic_setting_item->setShortcuts(
        {QKeySequence(Qt::Key_Space), QKeySequence(Qt::CTRL | Qt::Key_0)});
    // The Up and Down keys in the fields of P, Q, A and B step them as their steppers do (the
    // graph width's field does so by itself).
    const OptionWidgets& options = window.Options();
    for (TermEdit* field : {options.parameter_p, options.parameter_q, options.point_a_x, options.point_b_x}) {
      field->installEventFilter(this);
    }
    window.DrawingArea()->installEventFilter(this);
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (watched == window_.DrawingArea()) return ArrowKey(static_cast<QKeyEvent*>(event));
        if (UpDown* stepper = StepperOf(watched)) return StepKey(*stepper, static_cast<QKeyEvent*>(event));
        break;
      case QEvent::ShortcutOverride:
        // Space on a focused button presses the button (and Space in the memo moves nothing):
        // the basic setting must not take it away from them.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
            (qobject_cast<QAbstractButton*>(watched) != nullptr || watched == window_.ResultMemo())) {
          event->accept();
          return true;
        }
        break;
      case QEvent::Hide:
        if (IsDialogOfWindow(watched)) ReturnFocusSoon();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // The arrow keys move the view as the arrow buttons do; + and - zoom.
  bool ArrowKey(const QKeyEvent* key) {
    if (key->modifiers() & ~(Qt::KeypadModifier)) return false;
    QAbstractButton* button = nullptr;
    switch (key->key()) {
      case Qt::Key_Left: button = window_.Navigation().move_left_button; break;
      case Qt::Key_Right: button = window_.Navigation().move_right_button; break;
      case Qt::Key_Up: button = window_.Navigation().move_up_button; break;
      case Qt::Key_Down: button = window_.Navigation().move_down_button; break;
      case Qt::Key_Plus: button = window_.Navigation().zoom_in_button; break;
      case Qt::Key_Minus: button = window_.Navigation().zoom_out_button; break;
      default: return false;
    }
    button->click();
    return true;
  }

  UpDown* StepperOf(QObject* field) const {
    if (field == window_.Options().parameter_p) return window_.Options().parameter_p_stepper;
    if (field == window_.Options().parameter_q) return window_.Options().parameter_q_stepper;
    if (field == window_.Options().point_a_x) return window_.Options().point_a_stepper;
    if (field == window_.Options().point_b_x) return window_.Options().point_b_stepper;
    return nullptr;
  }

  static bool StepKey(UpDown& stepper, const QKeyEvent* key) {
    if (key->modifiers() & ~(Qt::KeypadModifier)) return false;
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down) return false;
    stepper.Click(key->key() == Qt::Key_Up ? UpDown::Direction::Up : UpDown::Direction::Down);
    return true;
  }

  // A dialog of this window (a message box, a file dialog, the About window) that is closing.
  bool IsDialogOfWindow(QObject* watched) const {
    auto* dialog = qobject_cast<QDialog*>(watched);
    return dialog != nullptr && dialog->isWindow() && dialog->parentWidget() != nullptr &&
           dialog->parentWidget()->window() == &window_;
  }

  // Once the dialog is gone the window is active again, with the focus where it was, so its
  // shortcuts (Esc, Ctrl+O, ...) work without a click. Without a window manager nobody else
  // does it.
  void ReturnFocusSoon() {
    QTimer::singleShot(0, this, [this] {
      if (QApplication::activeModalWidget() != nullptr || !window_.isVisible()) return;
      window_.activateWindow();
      QWidget* last = window_.focusWidget();
      (last != nullptr ? last : static_cast<QWidget*>(window_.Terms().f1_term))->setFocus(Qt::OtherFocusReason);
    });
  }

  MainWindow& window_;
};

void InstallKeyboard(MainWindow& window) { new Keyboard(window); }
const WindowExtensionRegistration kKeyboard{&InstallKeyboard};

}  // namespace

}  // namespace plotwerk::ui
