// The picture options beside the window's own: "Window..." and "Label points" in the
// "Coordinate system" menu, and the choice of the analysed term beside the analysis boxes.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>

#include "plot/controls.h"
#include "ui/tfgraf.h"
#include "ui/view_dialog.h"
#include "ui/window_fit.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

// The analysis choice takes the right half of the row of "Antiderivative".
constexpr int kChoiceLeft = 100;
constexpr int kChoiceTop = 93;
constexpr int kChoiceHeight = 20;
constexpr int kShortenedLeftWidth = kChoiceLeft - 12;

QAction* ItemBefore(QMenu* menu, const char* separator) {
  for (QAction* a : menu->actions()) {
    if (a->objectName() == QLatin1String(separator)) return a;
  }
  return nullptr;
}

void InstallPictureOptions(TFGraf& window) {
  QMenu* menu = window.M_ksystem;

  auto* labels = new QAction(TFGraf::tr("Label points"), menu);
  labels->setObjectName("m_punktnamen");
  labels->setCheckable(true);
  labels->setChecked(plot::Controls{}.m_punktnamen);
  menu->insertAction(ItemBefore(menu, "N6"), labels);
  QObject::connect(labels, &QAction::triggered, &window, [&window, labels] { window.Menueinstellungen(labels); });

  auto* exact = new QAction(TFGraf::tr("Window..."), menu);
  exact->setObjectName("m_fenster");
  menu->insertAction(ItemBefore(menu, "N1"), exact);
  QObject::connect(exact, &QAction::triggered, &window, [&window] { ShowViewDialog(window); });

  auto* choice = new QComboBox(window.Panel7);
  choice->setObjectName("cb_analyse");
  choice->addItems({TFGraf::tr("Analyse: 1st"), TFGraf::tr("Analyse: f1"), TFGraf::tr("Analyse: f2"),
                    TFGraf::tr("Analyse: f3"), TFGraf::tr("Analyse: f4")});
  const QString whole[] = {TFGraf::tr("Analyse the first plotted term"), TFGraf::tr("Analyse f1"),
                           TFGraf::tr("Analyse f2"), TFGraf::tr("Analyse f3"), TFGraf::tr("Analyse f4")};
  for (int i = 0; i < choice->count(); ++i) choice->setItemData(i, whole[i], Qt::ToolTipRole);
  choice->setCurrentIndex(plot::Controls{}.cb_analyse);
  choice->setToolTip(TFGraf::tr("The term the searches, marks, tangents and areas work on"));
  choice->setAccessibleName(TFGraf::tr("Analysed term"));
  choice->setGeometry(kChoiceLeft, kChoiceTop, kOptionColumnWidth - kChoiceLeft - 4, kChoiceHeight);
  window.c_stammfunktion->resize(kShortenedLeftWidth, window.c_stammfunktion->height());
  choice->show();
  QWidget::setTabOrder(window.c_stammfunktion, choice);
  QObject::connect(choice, &QComboBox::currentIndexChanged, &window, [&window] { window.PaintBox1Paint(); });
}

const WindowExtensionRegistration kPictureOptions{&InstallPictureOptions};

}  // namespace

}  // namespace plotwerk::ui
