// The "Edit" menu of the main window: copy the picture to the clipboard, print it, save it in
// one of the picture formats through the save dialog, and copy the result list as text.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

#include "platform/picture_export.h"

class QFileDialog;
class QPrinter;

namespace plotwerk::ui {

class MainWindow;

inline constexpr char kSaveDialogTitle[] = QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "Save picture");
inline constexpr int kDefaultFilterIndex = 3;  // the GIF entry, counted from 1
inline constexpr char kDefaultExtension[] = "gif";

// The entries of the save dialog, in order: the four picture formats of the window, then PNG, SVG and PDF.
QStringList SaveDialogFilters();
// The format of a filter index (1 to 7); a typed extension may override it (save_format.h).
platform::PictureFormat FormatForFilterIndex(int index);

// Created once per main window as its child (objectName "ExportActions").
class ExportActions : public QObject {
  Q_OBJECT
 public:
  explicit ExportActions(MainWindow& window);

  void OnCopyVectorClicked();  // Copy vector graphic
  void OnPrintVectorClicked();    // Print vector graphic
  void OnSaveVectorClicked();       // Save vector graphic
  void OnCopyResultsClicked();    // Copy result list

  // The save dialog, kept for the life of the window.
  QFileDialog* save_dialog;

  // Seams for the tests: the print dialog (true: print) and the error display.
  std::function<bool(QPrinter&)> run_print_dialog;
  std::function<void(const QString&)> show_error;

 private:
  // koordinatensystem then zeichnen with the window's controls and the current mapping.
  platform::PictureDrawer Drawer();

  MainWindow& window_;
};

}  // namespace plotwerk::ui
