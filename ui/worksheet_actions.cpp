// Handlers of the worksheet commands. Opening puts the file's state into the controls through
// the window's ApplyControls and restores the view after it, so that neither the memo's new
// width nor the activation after the dialog resets it.
#include "ui/worksheet_actions.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <exception>

#include "platform/atomic_write.h"
#include "platform/export_error.h"
#include "ui/language.h"
#include "ui/protected_file.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

constexpr char kActionsName[] = "WorksheetActions";

QString Suffixed() { return QStringLiteral(".") + QLatin1String(platform::kWorksheetSuffix); }

bool HasWorksheetSuffix(const QString& path) { return path.endsWith(Suffixed(), Qt::CaseInsensitive); }

void InstallWorksheetActions(MainWindow& window) { new WorksheetActions(window); }

const WindowExtensionRegistration kWorksheetActions{&InstallWorksheetActions};

}  // namespace

WorksheetActions::WorksheetActions(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QLatin1String(kActionsName));
  title_ = window.windowTitle();

  QMenuBar* bar = window.menuBar();
  WorksheetMenu = new QMenu(tr("File"), bar);
  WorksheetMenu->setObjectName(QStringLiteral("WorksheetMenu"));
  WorksheetMenu->menuAction()->setObjectName(QStringLiteral("WorksheetMenu"));
  // First in the bar, where desktop programs keep opening and saving.
  bar->insertMenu(bar->actions().value(0), WorksheetMenu);
  OpenWorksheet = WorksheetMenu->addAction(tr("Open worksheet..."));
  OpenWorksheet->setObjectName(QStringLiteral("OpenWorksheet"));
  OpenWorksheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  SaveWorksheet = WorksheetMenu->addAction(tr("Save worksheet..."));
  SaveWorksheet->setObjectName(QStringLiteral("SaveWorksheet"));
  SaveWorksheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  connect(OpenWorksheet, &QAction::triggered, this, &WorksheetActions::OpenClick);
  connect(SaveWorksheet, &QAction::triggered, this, &WorksheetActions::SaveClick);
  connect(&window, &MainWindow::Repainted, this, [this] { window_.setWindowModified(Changed()); });

  window.setAcceptDrops(true);
  window.installEventFilter(this);
  // Fields take dropped text themselves; a worksheet dropped on one opens all the same.
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) edit->installEventFilter(this);

  const QString filter = tr("Worksheets (*.%1)").arg(QLatin1String(platform::kWorksheetSuffix));
  ask_open_path = [this, filter] {
    QFileDialog dialog(&window_, tr("Open worksheet"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({filter, tr("All files (*)")});
    if (!path_.isEmpty()) dialog.setDirectory(QFileInfo(path_).absolutePath());
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    window_.activateWindow();
    return accepted ? dialog.selectedFiles().constFirst() : QString();
  };
  ask_save_path = [this, filter] {
    QFileDialog dialog(&window_, tr("Save worksheet"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({filter});
    dialog.setDefaultSuffix(QLatin1String(platform::kWorksheetSuffix));
    if (!path_.isEmpty()) dialog.selectFile(path_);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    window_.activateWindow();
    return accepted ? dialog.selectedFiles().constFirst() : QString();
  };
  ask_save_changes = [this] {
    QMessageBox box(QMessageBox::Question, window_.windowTitle(),
                    tr("The worksheet \"%1\" has changed. Save it before closing?").arg(QFileInfo(path_).fileName()),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.setDefaultButton(QMessageBox::Save);
    return static_cast<QMessageBox::StandardButton>(box.exec());
  };
  show_error = [this](const QString& message) { QMessageBox::critical(&window_, window_.windowTitle(), message); };
  show_warnings = [this](const QString& message) { QMessageBox::warning(&window_, window_.windowTitle(), message); };
}

platform::Worksheet WorksheetActions::Current() const {
  return {window_.SnapshotControls(), window_.Plotter().View(), window_.Plotter().Params().p,
          window_.Plotter().Params().q};
}

void ShowWorksheet(MainWindow& window, const platform::Worksheet& worksheet) {
  window.ApplyControls(worksheet.controls);
  window.Plotter().SetParameters({worksheet.param_p, worksheet.param_q});
  // After the controls: showing or hiding the memo has already resized the drawing area.
  if (worksheet.view) {
    window.Plotter().SetView(*worksheet.view);
  } else {
    window.Plotter().ApplyBasicSetting(window.PaintWidth(), window.PaintHeight());
  }
  window.OnDrawClicked();
}

bool WorksheetActions::Changed() const { return baseline_ && !platform::SameWorksheet(*baseline_, Current()); }

bool WorksheetActions::Open(const QString& path) {
  QStringList warnings;
  platform::Worksheet worksheet;
  try {
    std::vector<std::string> read_warnings;
    worksheet = platform::ReadWorksheet(platform::FileNameBytes(path), &read_warnings);
    for (const std::string& warning : read_warnings) warnings.append(QString::fromStdString(warning));
  } catch (const std::exception& e) {
    show_error(tr("Cannot open the worksheet \"%1\":\n%2")
                   .arg(QDir::toNativeSeparators(path), FileErrorMessage(QString::fromUtf8(e.what()))));
    return false;
  }
  // The animation would move the opened state on at its next tick.
  if (window_.AnimationTimer()->isActive()) window_.Options().animation_button->click();
  ShowWorksheet(window_, worksheet);
  Remember(path);
  if (!warnings.isEmpty()) {
    show_warnings(tr("The worksheet \"%1\" was opened with these notes:\n%2")
                      .arg(QFileInfo(path).fileName(), warnings.join(QLatin1Char('\n'))));
  }
  return true;
}

bool WorksheetActions::Save(const QString& path) {
  try {
    const std::string bytes = platform::FileNameBytes(path);
    std::optional<platform::ProtectionLift> lift;
    if (!MayReplace(&window_, bytes, lift)) return false;
    platform::WriteWorksheet(bytes, Current());
  } catch (const platform::ExportError& e) {
    // The writer's message names the file once already.
    show_error(FileErrorMessage(QString::fromUtf8(e.what())));
    return false;
  } catch (const std::exception& e) {
    show_error(tr("Cannot save the worksheet \"%1\":\n%2")
                   .arg(QDir::toNativeSeparators(path), FileErrorMessage(QString::fromUtf8(e.what()))));
    return false;
  }
  Remember(path);
  return true;
}

void WorksheetActions::OpenClick() {
  const QString path = ask_open_path();
  if (!path.isEmpty()) Open(path);
}

void WorksheetActions::SaveClick() {
  const QString path = ask_save_path();
  if (!path.isEmpty()) Save(path);
}

void WorksheetActions::Remember(const QString& path) {
  path_ = path;
  baseline_ = Current();
  UpdateTitle();
}

void WorksheetActions::UpdateTitle() {
  window_.setWindowTitle(QStringLiteral("%1[*] \u2014 %2").arg(QFileInfo(path_).fileName(), title_));
  window_.setWindowModified(Changed());
}

QString WorksheetActions::DroppedWorksheet(const QEvent* event) {
  const QMimeData* data = static_cast<const QDropEvent*>(event)->mimeData();
  if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
  const QUrl url = data->urls().constFirst();
  if (!url.isLocalFile() || !HasWorksheetSuffix(url.toLocalFile())) return {};
  return url.toLocalFile();
}

bool WorksheetActions::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Close: {
      if (watched != &window_ || !Changed()) break;
      switch (ask_save_changes()) {
        case QMessageBox::Save:
          if (Save(path_)) break;
          [[fallthrough]];
        case QMessageBox::Cancel:
          event->ignore();
          return true;
        default:
          break;
      }
      break;
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
      if (!DroppedWorksheet(event).isEmpty()) {
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
      }
      break;
    case QEvent::Drop: {
      const QString path = DroppedWorksheet(event);
      if (path.isEmpty()) break;
      static_cast<QDropEvent*>(event)->acceptProposedAction();
      // Open after the drop has finished, so a message box does not run inside the drag.
      QTimer::singleShot(0, this, [this, path] { Open(path); });
      return true;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

QString WorksheetArgument(const QStringList& arguments) {
  for (qsizetype i = arguments.size() - 1; i >= 1; --i) {
    if (HasWorksheetSuffix(arguments[i])) return arguments[i];
  }
  if (arguments.size() == 2 && !arguments[1].startsWith(QLatin1Char('-'))) return arguments[1];
  return {};
}

void OpenWorksheetFromArguments(MainWindow& window, const QStringList& arguments) {
  const QString path = WorksheetArgument(arguments);
  auto* actions = window.findChild<WorksheetActions*>(QLatin1String(kActionsName));
  if (path.isEmpty() || actions == nullptr) return;
  // After the first activation, which draws the basic setting.
  QTimer::singleShot(0, actions, [actions, path] { actions->Open(path); });
}

}  // namespace plotwerk::ui
