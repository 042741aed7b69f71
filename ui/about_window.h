// The About window: the program's name, its emblem, the rights notice and a credit line.
#pragma once

#include <QDialog>

class QAction;
class QLabel;
class QMenu;

namespace plotwerk::ui {

// Marks a top-level widget as one of the program's own forms: returning from it to the main
// window counts as an activation of the main window.
inline constexpr char kProgramFormProperty[] = "plotwerkProgramForm";

// Modal, fixed size, closed by its close box, Enter or Esc.
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // Closes the window (the hidden Enter and Esc items).
  void Dismiss();

  QLabel* rights_label;
  QLabel* name_label;
  QLabel* emblem_label;
  QLabel* credits_label;
  // The context menu shortcut_menu is never shown; its items only carry the window's shortcuts.
  QMenu* shortcut_menu;
  QAction* enter_item;
  QAction* escape_item;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace plotwerk::ui
