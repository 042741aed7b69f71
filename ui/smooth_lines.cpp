// The menu item "Smooth lines" of "Coordinate system": switches the antialiasing of the screen
// picture, the bitmap exports and the clipboard picture; the vector exports stay as they are.
#include <QAction>
#include <QMenu>

#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

void InstallSmoothLines(MainWindow& window) {
  auto* item = new QAction(MainWindow::tr("Smooth lines"), &window);
  item->setObjectName("smooth_lines_item");
  item->setCheckable(true);
  item->setChecked(window.SmoothLines());
  // After the other options of the picture's look, before the interval items.
  const QList<QAction*> items = window.Menu().coordinate_menu->actions();
  const auto colours = items.indexOf(window.Menu().coloured_graphs);
  window.Menu().coordinate_menu->insertAction(colours + 1 < items.size() ? items[colours + 1] : nullptr, item);
  QObject::connect(item, &QAction::toggled, &window, [&window](bool smooth) {
    window.SetSmoothLines(smooth);
    window.RedrawWithResults();
  });
}
const WindowExtensionRegistration kSmoothLines{&InstallSmoothLines};

}  // namespace

}  // namespace plotwerk::ui
