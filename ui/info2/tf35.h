// The About window TF35: the program's name, its emblem, the rights notice and a credit line.
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
class TF35 : public QDialog {
  Q_OBJECT
 public:
  explicit TF35(QWidget* parent = nullptr);

  // Closes the window (the hidden Enter and Esc items).
  void B1C();

  QLabel* L3;
  QLabel* L1;
  QLabel* I1;
  QLabel* Label1;
  // The context menu P1 is never shown; its items only carry the window's shortcuts.
  QMenu* P1;
  QAction* x1;
  QAction* x2;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace plotwerk::ui
