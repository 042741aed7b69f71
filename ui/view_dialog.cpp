// The "Window..." dialog: the view and the tick spacings typed exactly, applied as one step.
#include "ui/view_dialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

#include "fktint/fktint.h"
#include "plot/reachable.h"
#include "ui/main_window.h"

namespace plotwerk::ui {

namespace {

// Decimals the dialog shows of the current bounds; a bound whose text is left as shown keeps
// its exact value.
constexpr unsigned kShownDecimals = 6;

std::string Latin1(const QString& text) {
  const QByteArray bytes = text.trimmed().toUpper().toLatin1();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString Tr(const char* text) { return QCoreApplication::translate("plotwerk::ui::ViewDialog", text); }

QString Shown(double v) { return QString::fromLatin1(fktint::FormatNumber(1, kShownDecimals, v)).trimmed(); }

// A typed number: a constant term at the window's P and Q, evaluated as the number fields are;
// nothing for an empty text, an error or a value that is not finite.
std::optional<double> Number(const std::string& text, const plot::Parameters& parameters) {
  if (text.empty()) return std::nullopt;
  const fktint::TermValue v = fktint::EvaluateTerm(text, 1, parameters.p, parameters.q);
  if (v.code != fktint::kEvalOk || !std::isfinite(v.value)) return std::nullopt;
  return v.value;
}

}  // namespace

std::optional<ViewChoice> ReadViewChoice(const std::string& x_from, const std::string& x_to,
                                         const std::string& y_from, const std::string& y_to,
                                         const std::string& x_tick, const std::string& y_tick, bool equal_scales,
                                         int width, int height, const plot::Parameters& parameters,
                                         std::string* error) {
  auto fail = [&](const std::string& why) -> std::optional<ViewChoice> {
    if (error != nullptr) *error = why;
    return std::nullopt;
  };
  const std::optional<double> bounds[] = {Number(x_from, parameters), Number(x_to, parameters),
                                          Number(y_from, parameters), Number(y_to, parameters)};
  const char* names[] = {QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "x from"),
                         QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "x to"),
                         QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "y from"),
                         QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "y to")};
  for (int i = 0; i < 4; ++i) {
    if (!bounds[i]) return fail(Tr(QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "%1 is not a number")).arg(Tr(names[i])).toStdString());
  }
  ViewChoice choice;
  choice.view = {*bounds[0], *bounds[1], *bounds[2], *bounds[3]};
  if (equal_scales && width > 0 && height > 0) {
    const double middle = (choice.view.y_min + choice.view.y_max) / 2;
    const double half = (choice.view.x_max - choice.view.x_min) * height / width / 2;
    choice.view.y_min = middle - half;
    choice.view.y_max = middle + half;
  }
  if (!plot::IsReachableView(choice.view, nullptr)) {
    return fail(Tr(QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog",
                                     "x from must lie below x to and y from below y to, by at least 0,000001, "
                                     "and no bound beyond 10^15"))
                    .toStdString());
  }
  for (const auto& [text, out, name] : {std::tuple{&x_tick, &choice.x_tick, "x"},
                                        std::tuple{&y_tick, &choice.y_tick, "y"}}) {
    if (text->empty()) continue;
    const std::optional<double> step = Number(*text, parameters);
    if (!step || !(*step > 0)) return fail(Tr(QT_TRANSLATE_NOOP("plotwerk::ui::ViewDialog", "The tick spacing of %1 is not a positive number")).arg(name).toStdString());
    *out = *text;
  }
  return choice;
}

ViewDialog::ViewDialog(MainWindow& window) : QDialog(&window), window_(window) {
  setObjectName("ViewDialog");
  setWindowTitle(tr("Window"));
  const plot::PlotView& view = window.Plotter().View();
  const plot::Controls controls = window.SnapshotControls();

  auto field = [this](const char* name, const QString& text) {
    auto* edit = new QLineEdit(text, this);
    edit->setObjectName(name);
    return edit;
  };
  XFrom = field("XFrom", Shown(view.x_min));
  XTo = field("XTo", Shown(view.x_max));
  YFrom = field("YFrom", Shown(view.y_min));
  YTo = field("YTo", Shown(view.y_max));
  XTick = field("XTick", QString::fromLatin1(controls.x_tick_spacing));
  YTick = field("YTick", QString::fromLatin1(controls.y_tick_spacing));
  XTickAuto = new QCheckBox(tr("automatic"), this);
  XTickAuto->setObjectName("XTickAuto");
  YTickAuto = new QCheckBox(tr("automatic"), this);
  YTickAuto->setObjectName("YTickAuto");
  EqualScales = new QCheckBox(tr("Equal scales (y follows from x)"), this);
  EqualScales->setObjectName("EqualScales");
  Problem = new QLabel(this);
  Problem->setObjectName("Problem");
  Problem->setStyleSheet("color: #b00000");

  auto pair = [this](QLineEdit* from, QLineEdit* to) {
    auto* row = new QHBoxLayout;
    row->addWidget(from);
    row->addWidget(new QLabel(tr("to"), this));
    row->addWidget(to);
    return row;
  };
  auto tick_row = [](QCheckBox* automatic, QLineEdit* edit) {
    auto* row = new QHBoxLayout;
    row->addWidget(automatic);
    row->addWidget(edit);
    return row;
  };
  auto* form = new QFormLayout;
  form->addRow(tr("x from"), pair(XFrom, XTo));
  form->addRow(tr("y from"), pair(YFrom, YTo));
  form->addRow(QString(), EqualScales);
  form->addRow(tr("Tick spacing x"), tick_row(XTickAuto, XTick));
  form->addRow(tr("Tick spacing y"), tick_row(YTickAuto, YTick));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &ViewDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &ViewDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Problem);
  layout->addWidget(buttons);

  // A spacing is typed only while "automatic" is off.
  for (const auto& [automatic, field] : {std::pair{XTickAuto, XTick}, std::pair{YTickAuto, YTick}}) {
    QLineEdit* edit = field;  // a copy: clang 14 cannot capture a structured binding
    automatic->setChecked(edit->text().isEmpty());
    edit->setEnabled(!automatic->isChecked());
    connect(automatic, &QCheckBox::toggled, edit, [edit](bool on) {
      edit->setEnabled(!on);
      if (!on) edit->setFocus();
    });
  }
  // With equal scales the y range keeps its middle and takes its length from x.
  connect(EqualScales, &QCheckBox::toggled, this, [this](bool on) {
    YFrom->setEnabled(!on);
    YTo->setEnabled(!on);
  });
  for (QLineEdit* edit : {XFrom, XTo, YFrom, YTo, XTick, YTick}) {
    connect(edit, &QLineEdit::textEdited, Problem, &QLabel::clear);
  }
  XFrom->setFocus();
  XFrom->selectAll();
}

void ViewDialog::accept() {
  const plot::PlotView& now = window_.Plotter().View();
  std::string why;
  const std::optional<ViewChoice> choice =
      ReadViewChoice(Latin1(XFrom->text()), Latin1(XTo->text()), Latin1(YFrom->text()), Latin1(YTo->text()),
                     XTickAuto->isChecked() ? std::string() : Latin1(XTick->text()),
                     YTickAuto->isChecked() ? std::string() : Latin1(YTick->text()), EqualScales->isChecked(),
                     window_.PaintWidth(), window_.PaintHeight(), window_.Plotter().Params(), &why);
  if (!choice) {
    Problem->setText(QString::fromStdString(why));
    return;
  }
  choice_ = *choice;
  // Bounds left as the dialog showed them keep their exact values.
  auto keep = [](QLineEdit* edit, double exact, double& out) {
    if (edit->text() == Shown(exact)) out = exact;
  };
  keep(XFrom, now.x_min, choice_.view.x_min);
  keep(XTo, now.x_max, choice_.view.x_max);
  if (!EqualScales->isChecked()) {
    keep(YFrom, now.y_min, choice_.view.y_min);
    keep(YTo, now.y_max, choice_.view.y_max);
  }
  QDialog::accept();
}

void ApplyViewChoice(MainWindow& window, const ViewChoice& choice) {
  plot::Controls controls = window.SnapshotControls();
  controls.x_tick_spacing = choice.x_tick;
  controls.y_tick_spacing = choice.y_tick;
  window.ApplyControls(controls);
  window.Plotter().SetView(choice.view);
  window.RedrawWithResults();
}

void ShowViewDialog(MainWindow& window) {
  ViewDialog dialog(window);
  if (dialog.exec() == QDialog::Accepted) ApplyViewChoice(window, dialog.Choice());
  window.activateWindow();
}

}  // namespace plotwerk::ui
