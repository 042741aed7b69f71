// The worksheet commands of the main window: "Open worksheet..." and "Save worksheet..." in the
// menu "File", a worksheet dropped on the window or named on the command line, the worksheet's
// name in the title, and the question before closing a worksheet that has changed.
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "platform/worksheet.h"

class QAction;
class QMenu;

namespace plotwerk::ui {

class MainWindow;

// Created once per main window as its child (objectName "WorksheetActions").
class WorksheetActions : public QObject {
  Q_OBJECT
 public:
  explicit WorksheetActions(MainWindow& window);

  // Reads the worksheet and puts it into the window: the controls, P and Q, the view, then the
  // Draw command (a running animation stops first). A file that cannot be read is reported and
  // leaves the window as it was. True when opened.
  bool Open(const QString& path);
  // Saves the window's state; a failure is reported and leaves the old file as it was.
  bool Save(const QString& path);
  void OpenClick();  // "Open worksheet..."
  void SaveClick();  // "Save worksheet..."

  // The window's state as a worksheet holds it.
  platform::Worksheet Current() const;
  // The worksheet opened or saved last (empty before), and whether the state changed since.
  const QString& Path() const { return path_; }
  bool Changed() const;

  QMenu* WorksheetMenu;
  QAction* OpenWorksheet;
  QAction* SaveWorksheet;

  // Seams for the tests: the file dialogs (an empty name: cancelled), the question before
  // closing, and the displays of errors and warnings.
  std::function<QString()> ask_open_path;
  std::function<QString()> ask_save_path;
  std::function<QMessageBox::StandardButton()> ask_save_changes;
  std::function<void(const QString&)> show_error;
  std::function<void(const QString&)> show_warnings;

 protected:
  // Close of the window; drops of a worksheet on the window or one of its fields.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The worksheet file of a drag, if it carries exactly one.
  static QString DroppedWorksheet(const QEvent* event);
  void Remember(const QString& path);
  void UpdateTitle();

  MainWindow& window_;
  QString path_;
  std::optional<platform::Worksheet> baseline_;
  QString title_;  // the window's own title
};

// The worksheet named on the program's command line: the last argument ending in ".plotwerk",
// or a single argument that is not an option. Empty when there is none.
QString WorksheetArgument(const QStringList& arguments);

// Opens the worksheet named on the command line (if any) once the window is up and drawn.
void OpenWorksheetFromArguments(MainWindow& window, const QStringList& arguments);

// Puts a worksheet that has been read into the window: the controls, P and Q, the view (or the
// basic setting), then the Draw command.
void ShowWorksheet(MainWindow& window, const platform::Worksheet& worksheet);

}  // namespace plotwerk::ui
