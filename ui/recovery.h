// The lesson that survives a crash: while the window runs, its state is kept as a recovery
// worksheet in the user's state folder ($XDG_STATE_HOME/plotwerk, by default
// ~/.local/state/plotwerk), written at most every 30 seconds and only after a change, through
// the same all-or-nothing writer as every file. A normal end removes it; after a crash the next
// start offers it ("Restore the lesson of 14:32?").
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

#include "platform/worksheet.h"

namespace plotwerk::ui {

class MainWindow;

// Created by StartRecovery as the window's child (objectName "Recovery").
class Recovery : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIntervalMs = 30'000;

  explicit Recovery(MainWindow& window);
  // A normal end: the recovery file goes.
  ~Recovery() override;

  // The recovery file: $XDG_STATE_HOME/plotwerk/recovery.plotwerk (bytes, as the system names it).
  static std::string FilePath();

  // Offers a recovery file left by a crash; restores it when the user agrees. A damaged file is
  // reported and ignored. The file is removed either way (the running window writes its own).
  void OfferRestore();
  // Writes the window's state when it changed since the start or the last write.
  void SaveIfChanged();

  // Seams for the tests: the question (its text in, yes or no out) and the error display.
  std::function<bool(const QString&)> ask_restore;
  std::function<void(const QString&)> show_error;

 private:
  platform::Worksheet Current() const;

  MainWindow& window_;
  QTimer timer_;
  std::optional<platform::Worksheet> last_;  // the state at the start or as last written
  bool written_ = false;
};

// Starts keeping the window's state and offers a crashed lesson once the window is up.
void StartRecovery(MainWindow& window);

}  // namespace plotwerk::ui
