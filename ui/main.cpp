// Plotwerk's desktop program: starts the application, opens the main window, runs the loop.
#include <QApplication>
#include <QIcon>

#include "ui/info2/tf35.h"
#include "ui/tfgraf.h"
#include "ui/worksheet_actions.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("plotwerk");
  QApplication::setApplicationDisplayName(plotwerk::ui::kMainWindowTitle);
  QApplication::setApplicationVersion(PLOTWERK_VERSION);
  QGuiApplication::setDesktopFileName("plotwerk");
  QApplication::setWindowIcon(QIcon(":/plotwerk/icon.png"));

  plotwerk::ui::TFGraf window;
  // One About window exists from the start, unshown; the menu opens a fresh one each time.
  plotwerk::ui::TF35 about(&window);
  window.show();
  // plotwerk FILE.plotwerk opens that worksheet.
  plotwerk::ui::OpenWorksheetFromArguments(window, QApplication::arguments());
  return QApplication::exec();
}
