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

#include "ui/tfgraf.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

class Keyboard : public QObject {
 public:
  explicit Keyboard(TFGraf& window) : QObject(&window), window_(window) {
    // The view buttons follow the term panel (the column's top), the drawing area comes last.
    QWidget* chain[] = {window.button_f2strich, window.slinks,    window.shoch,
                        window.srunter,         window.srechts,   window.sgroesser,
                        window.skleiner,        window.sgrundeinstellung, window.ed_breite};
    for (std::size_t i = 1; i < std::size(chain); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    QWidget::setTabOrder(window.Mergebnis, window.PaintBox1);
    // The memo is read-only: Tab leaves it instead of typing a tab.
    window.Mergebnis->setTabChangesFocus(true);

    // The keys other programs use for zooming; Ctrl+= is Ctrl++ on keyboards where + needs Shift.
    window.intervallverkleinern->setShortcuts(
        {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    window.intervallvergroessern->setShortcuts({QKeySequence(QKeySequence::ZoomOut)});
    // Space stays the first key of the basic setting; Ctrl+0 is the one other programs use.
    window.grundeinstellung->setShortcuts(
        {QKeySequence(Qt::Key_Space), QKeySequence(Qt::CTRL | Qt::Key_0)});
    // The Up and Down keys in the fields of P, Q, A and B step them as their steppers do (the
    // graph width's field does so by itself).
    for (QWidget* field : {static_cast<QWidget*>(window.ed_parameter), static_cast<QWidget*>(window.ed_q),
                           static_cast<QWidget*>(window.ed_A), static_cast<QWidget*>(window.ed_B)}) {
      field->installEventFilter(this);
    }
    window.PaintBox1->installEventFilter(this);
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
        if (watched == window_.PaintBox1) return ArrowKey(static_cast<QKeyEvent*>(event));
        if (UpDown* stepper = StepperOf(watched)) return StepKey(*stepper, static_cast<QKeyEvent*>(event));
        break;
      case QEvent::ShortcutOverride:
        // Space on a focused button presses the button (and Space in the memo moves nothing):
        // the basic setting must not take it away from them.
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier &&
            (qobject_cast<QAbstractButton*>(watched) != nullptr || watched == window_.Mergebnis)) {
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
      case Qt::Key_Left: button = window_.slinks; break;
      case Qt::Key_Right: button = window_.srechts; break;
      case Qt::Key_Up: button = window_.shoch; break;
      case Qt::Key_Down: button = window_.srunter; break;
      case Qt::Key_Plus: button = window_.sgroesser; break;
      case Qt::Key_Minus: button = window_.skleiner; break;
      default: return false;
    }
    button->click();
    return true;
  }

  UpDown* StepperOf(QObject* field) const {
    if (field == window_.ed_parameter) return window_.UpDown2;
    if (field == window_.ed_q) return window_.UpDown5;
    if (field == window_.ed_A) return window_.UpDown3;
    if (field == window_.ed_B) return window_.UpDown4;
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
      (last != nullptr ? last : static_cast<QWidget*>(window_.ed_f1))->setFocus(Qt::OtherFocusReason);
    });
  }

  TFGraf& window_;
};

void InstallKeyboard(TFGraf& window) { new Keyboard(window); }
const WindowExtensionRegistration kKeyboard{&InstallKeyboard};

}  // namespace

}  // namespace plotwerk::ui
