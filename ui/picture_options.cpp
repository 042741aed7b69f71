// The picture options beside the window's own: "Window..." and "Label points" in the
// "Coordinate system" menu, and the choice of the analysed term beside the analysis boxes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

#include <algorithm>

#include "plot/controls.h"
#include "ui/main_window.h"
#include "ui/view_dialog.h"
#include "ui/window_fit.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

// The analysis choice stands right of "Antiderivative", which keeps the room its text needs.
constexpr int kChoiceTop = 93;
constexpr int kChoiceHeight = 20;
constexpr int kLeastChoiceWidth = 52;
constexpr int kEdgeGap = 4;

QAction* ItemBefore(QMenu* menu, const char* separator) {
  for (QAction* a : menu->actions()) {
    if (a->objectName() == QLatin1String(separator)) return a;
  }
  return nullptr;
}

void InstallPictureOptions(MainWindow& window) {
  QMenu* menu = window.Menu().coordinate_menu;

  auto* labels = new QAction(MainWindow::tr("Label points"), menu);
  labels->setObjectName("point_labels");
  labels->setCheckable(true);
  labels->setChecked(plot::Controls{}.point_labels);
  menu->insertAction(ItemBefore(menu, "interval_separator"), labels);
  QObject::connect(labels, &QAction::triggered, &window, [&window] { window.OnMenuOptionToggled(); });

  auto* exact = new QAction(MainWindow::tr("Window..."), menu);
  exact->setObjectName("window_item");
  menu->insertAction(ItemBefore(menu, "command_separator"), exact);
  QObject::connect(exact, &QAction::triggered, &window, [&window] { ShowViewDialog(window); });

  auto* choice = new QComboBox(window.Panels().options_panel);
  choice->setObjectName("analysed_term");
  // Short entries for the narrow column; the tooltips and the accessible name say the rest.
  choice->addItems({MainWindow::tr("1st"), QStringLiteral("f1"), QStringLiteral("f2"), QStringLiteral("f3"),
                    QStringLiteral("f4")});
  const QString whole[] = {MainWindow::tr("Analyse the first plotted term"), MainWindow::tr("Analyse f1"),
                           MainWindow::tr("Analyse f2"), MainWindow::tr("Analyse f3"), MainWindow::tr("Analyse f4")};
  for (int i = 0; i < choice->count(); ++i) choice->setItemData(i, whole[i], Qt::ToolTipRole);
  choice->setCurrentIndex(plot::Controls{}.analysed_term);
  choice->setToolTip(MainWindow::tr("The term the searches, marks, tangents and areas work on"));
  choice->setAccessibleName(MainWindow::tr("Analysed term"));
  QCheckBox* left = window.Options().antiderivative;
  const int choice_left = std::min(left->x() + left->sizeHint().width() + kEdgeGap,
                                   kOptionColumnWidth - kEdgeGap - kLeastChoiceWidth);
  left->resize(choice_left - left->x(), left->height());
  choice->setGeometry(choice_left, kChoiceTop, kOptionColumnWidth - kEdgeGap - choice_left, kChoiceHeight);
  choice->show();
  QWidget::setTabOrder(window.Options().antiderivative, choice);
  QObject::connect(choice, &QComboBox::currentIndexChanged, &window, [&window] { window.RedrawWithResults(); });
}

const WindowExtensionRegistration kPictureOptions{&InstallPictureOptions};

}  // namespace

}  // namespace plotwerk::ui
