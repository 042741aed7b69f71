// Binding of the list of controls to the window's widgets, and the window's snapshot and
// apply made from it.
#include "ui/control_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "plot/controls_names.h"
#include "ui/main_window.h"
#include "ui/widgets.h"

namespace plotwerk::ui {

namespace {

std::string Latin1(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

template <typename W>
W* Find(const MainWindow& window, const QString& name) {
  W* found = window.findChild<W*>(name);
  if (found == nullptr) throw std::logic_error("the main window has no control " + name.toStdString());
  return found;
}

// A shown control "X_visible" stands for the visibility of the widget X.
constexpr char kShownSuffix[] = "_visible";

}  // namespace

std::optional<std::string> ControlText(const plot::Controls& controls, std::string_view object_name) {
  std::string value;
#define PLOTWERK_CONTROL_TEXT(kind, name, key, start) \
  if (object_name == #name && plot::GetControl(controls, key, &value)) return value;
  PLOTWERK_CONTROLS(PLOTWERK_CONTROL_TEXT)
#undef PLOTWERK_CONTROL_TEXT
  return std::nullopt;
}

template <plot::ControlKind K>
void ControlBinding::Bind(const MainWindow& window, const char* name,
                          typename plot::ControlValue<K>::type plot::Controls::*member) {
  const QString object_name = QLatin1String(name);
  if constexpr (K == plot::ControlKind::Text) {
    QLineEdit* edit = Find<QLineEdit>(window, object_name);
    readers_.push_back([edit, member](plot::Controls& c) { c.*member = Latin1(edit->text()); });
    writers_.push_back([edit, member](const plot::Controls& c) {
      const QString text = QString::fromLatin1(c.*member);
      if (edit->text() != text) edit->setText(text);
    });
  } else if constexpr (K == plot::ControlKind::Check) {
    if (auto* button = window.findChild<QAbstractButton*>(object_name)) {
      readers_.push_back([button, member](plot::Controls& c) { c.*member = button->isChecked(); });
      writers_.push_back([button, member](const plot::Controls& c) {
        // In a radio group only checking counts: unchecking the checked one is refused, and
        // checking another unchecks it.
        const QSignalBlocker quiet(button);
        if (button->isChecked() != c.*member) button->setChecked(c.*member);
      });
    } else {
      QAction* item = Find<QAction>(window, object_name);
      readers_.push_back([item, member](plot::Controls& c) { c.*member = item->isChecked(); });
      writers_.push_back([item, member](const plot::Controls& c) {
        const QSignalBlocker quiet(item);
        item->setChecked(c.*member);
      });
    }
  } else if constexpr (K == plot::ControlKind::Number) {
    UpDown* stepper = Find<UpDown>(window, object_name);
    readers_.push_back([stepper, member](plot::Controls& c) { c.*member = stepper->Position(); });
    writers_.push_back([stepper, member](const plot::Controls& c) { stepper->SetPosition(c.*member); });
  } else if constexpr (K == plot::ControlKind::Choice) {
    QComboBox* box = Find<QComboBox>(window, object_name);
    readers_.push_back([box, member](plot::Controls& c) { c.*member = std::max(0, box->currentIndex()); });
    writers_.push_back([box, member](const plot::Controls& c) {
      const QSignalBlocker quiet(box);
      box->setCurrentIndex(std::clamp(c.*member, 0, box->count() - 1));
    });
  } else if constexpr (K == plot::ControlKind::Setting) {
    // A setting without a widget (the dialog's tick spacings) is a dynamic property of the
    // window named like the control, which the binding reads and writes like a widget.
    QObject* holder = const_cast<MainWindow*>(&window);
    const QByteArray property(name);
    readers_.push_back(
        [holder, property, member](plot::Controls& c) { c.*member = Latin1(holder->property(property).toString()); });
    writers_.push_back([holder, property, member](const plot::Controls& c) {
      holder->setProperty(property, QString::fromLatin1(c.*member));
    });
  } else {
    static_assert(K == plot::ControlKind::Shown);
    const QString widget_name = object_name.chopped(static_cast<qsizetype>(sizeof kShownSuffix - 1));
    QWidget* widget = Find<QWidget>(window, widget_name);
    readers_.push_back([widget, member](plot::Controls& c) { c.*member = !widget->isHidden(); });
    writers_.push_back([widget, member](const plot::Controls& c) {
      if (widget->isHidden() == c.*member) widget->setVisible(c.*member);
    });
  }
}

ControlBinding::ControlBinding(const MainWindow& window) {
#define PLOTWERK_BIND_CONTROL(kind, name, key, start) \
  Bind<plot::ControlKind::kind>(window, #name, &plot::Controls::name);
  PLOTWERK_CONTROLS(PLOTWERK_BIND_CONTROL)
#undef PLOTWERK_BIND_CONTROL
}

plot::Controls ControlBinding::Snapshot() const {
  plot::Controls c;
  for (const auto& read : readers_) read(c);
  return c;
}

void ControlBinding::Apply(const plot::Controls& controls) const {
  for (const auto& write : writers_) write(controls);
}

// ---------------------------------------------------------------------------------------------
// The window's side

plot::Controls MainWindow::SnapshotControls() const {
  if (!binding_) binding_ = std::make_unique<ControlBinding>(*this);
  return binding_->Snapshot();
}

void MainWindow::ApplyControls(const plot::Controls& controls) {
  if (!binding_) binding_ = std::make_unique<ControlBinding>(*this);
  binding_->Apply(controls);
  // As "Result List" does: lay the panel out now, so the drawing area has its width for the
  // view that follows, and offer copying exactly while the memo is shown.
  panels_.picture_panel->layout()->activate();
  menu_.copy_results_item->setEnabled(!result_memo_->isHidden());
}

}  // namespace plotwerk::ui
