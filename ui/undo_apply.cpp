// The snapshot back into the window, control by control through the name table of Controls.
#include "ui/undo_apply.h"

#include <QAbstractButton>
#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include <string>

#include "plot/controls_names.h"
#include "ui/tfgraf.h"

namespace plotwerk::ui {

void ApplyControls(TFGraf& window, const plot::Controls& controls) {
  for (const plot::ControlInfo& control : plot::ControlTable()) {
    std::string value;
    if (!plot::GetControl(controls, control.name, &value)) continue;
    const QString name = QString::fromStdString(control.name);
    if (name == QLatin1String("Mergebnis_visible")) {
      const bool shown = value == "1";
      window.Mergebnis->setVisible(shown);
      // As "Result List" does: the drawing area gets its new width now, before the view is set.
      window.Panel4->layout()->activate();
      window.M1->setEnabled(shown);
    } else if (auto* field = window.findChild<QLineEdit*>(name)) {
      const QString text = QString::fromLatin1(value);
      if (field->text() != text) field->setText(text);
    } else if (auto* button = window.findChild<QAbstractButton*>(name)) {
      // In a radio group unchecking is refused and checking another unchecks it, so the
      // checked one of the snapshot wins whatever the order.
      const QSignalBlocker quiet(button);
      button->setChecked(value == "1");
    } else if (auto* item = window.findChild<QAction*>(name)) {
      const QSignalBlocker quiet(item);
      item->setChecked(value == "1");
    }
    // UpDown1 follows the number in ed_breite, its associated field.
  }
}

}  // namespace plotwerk::ui
