// Handlers of the "Edit" menu. Raster files copy the drawing area after a fresh redraw; the
// vector outputs draw the picture again on a vector canvas; every file is written atomically
// and every failure is shown with the platform's message.
#include "ui/export_actions.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>

#include <array>
#include <exception>
#include <memory>

#include "platform/export_error.h"
#include "platform/print_picture.h"
#include "ui/language.h"
#include "ui/protected_file.h"
#include "ui/main_window.h"
#include "ui/save_format.h"
#include "ui/window_extension.h"

namespace plotwerk::ui {

namespace {

struct FilterEntry {
  const char* text;
  const char* extension;
  platform::PictureFormat format;
};

constexpr std::array<FilterEntry, 7> kFilters{{
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "Bitmap (*.bmp)"), "bmp", platform::PictureFormat::Bmp},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "16-colour bitmap (*.bmp)"), "bmp", platform::PictureFormat::Bmp16},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "GIF picture (*.gif)"), "gif", platform::PictureFormat::Gif},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "Vector graphic (*.wmf)"), "wmf", platform::PictureFormat::Emf},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "PNG picture (*.png)"), "png", platform::PictureFormat::Png},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "SVG vector graphic (*.svg)"), "svg", platform::PictureFormat::Svg},
    {QT_TRANSLATE_NOOP("plotwerk::ui::ExportActions", "PDF document (*.pdf)"), "pdf", platform::PictureFormat::Pdf},
}};

int FilterIndexOf(const QString& filter) { return static_cast<int>(SaveDialogFilters().indexOf(filter)) + 1; }

void InstallExportActions(MainWindow& window) {
  auto* actions = new ExportActions(window);
  QObject::connect(window.Menu().copy_vector_item, &QAction::triggered, actions,
                   [actions] { actions->OnCopyVectorClicked(); });
  QObject::connect(window.Menu().print_vector_item, &QAction::triggered, actions,
                   [actions] { actions->OnPrintVectorClicked(); });
  QObject::connect(window.Menu().save_vector_item, &QAction::triggered, actions,
                   [actions] { actions->OnSaveVectorClicked(); });
  QObject::connect(window.Menu().copy_results_item, &QAction::triggered, actions,
                   [actions] { actions->OnCopyResultsClicked(); });
}

const WindowExtensionRegistration kExportActions{&InstallExportActions};

}  // namespace

QStringList SaveDialogFilters() {
  QStringList list;
  for (const FilterEntry& entry : kFilters) list << ExportActions::tr(entry.text);
  return list;
}

platform::PictureFormat FormatForFilterIndex(int index) {
  if (index < 1 || index > static_cast<int>(kFilters.size())) return kFilters[kDefaultFilterIndex - 1].format;
  return kFilters[index - 1].format;
}

ExportActions::ExportActions(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("ExportActions"));
  save_dialog = new QFileDialog(&window, tr(kSaveDialogTitle));
  save_dialog->setObjectName(QStringLiteral("save_dialog"));
  save_dialog->setAcceptMode(QFileDialog::AcceptSave);
  save_dialog->setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog: the same on every desktop, resizable, and it asks before overwriting.
  save_dialog->setOption(QFileDialog::DontUseNativeDialog);
  save_dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  save_dialog->setSizeGripEnabled(true);
  save_dialog->setNameFilters(SaveDialogFilters());
  save_dialog->setDefaultSuffix(QString::fromLatin1(kDefaultExtension));
  // A name typed without extension gets the extension of the entry selected. The entry list
  // of Qt's dialog reports every change, also one made by selectNameFilter; filterSelected
  // covers a dialog without that list.
  const auto follow_filter = [this](const QString& filter) {
    const int index = FilterIndexOf(filter);
    if (index >= 1) save_dialog->setDefaultSuffix(QString::fromLatin1(kFilters[index - 1].extension));
  };
  if (auto* entries = save_dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
    connect(entries, &QComboBox::currentTextChanged, this, follow_filter);
  } else {
    connect(save_dialog, &QFileDialog::filterSelected, this, follow_filter);
  }

  run_print_dialog = [this](QPrinter& printer) {
    QPrintDialog dialog(&printer, &window_);
    return dialog.exec() == QDialog::Accepted;
  };
  show_error = [this](const QString& message) {
    QMessageBox::critical(&window_, MainWindowTitle(), message);
  };
}

platform::PictureDrawer ExportActions::Drawer() {
  auto controls = std::make_shared<plot::Controls>(window_.SnapshotControls());
  return [this, controls](plot::Canvas& canvas) { window_.Plotter().DrawPicture(canvas, *controls); };
}

void ExportActions::OnCopyVectorClicked() {
  try {
    QMimeData* picture =
        platform::PictureMimeData(window_.PaintWidth(), window_.PaintHeight(), Drawer(), window_.SmoothLines());
    QGuiApplication::clipboard()->setMimeData(picture);  // the clipboard owns it
  } catch (const std::exception& e) {
    show_error(PlatformMessage(e.what()));
  }
}

void ExportActions::OnPrintVectorClicked() {
  QPrinter printer(QPrinter::HighResolution);
  if (!run_print_dialog(printer)) return;
  const int w = window_.PaintWidth(), h = window_.PaintHeight();
  try {
    // The printout recomputes the mapping for the drawing area, as a redraw does.
    window_.Plotter().UpdateMapping(w, h);
    platform::PrintPicture(printer, w, h, Drawer());
  } catch (const std::exception& e) {
    show_error(PlatformMessage(e.what()));
  }
}

void ExportActions::OnSaveVectorClicked() {
  const QStringList filters = SaveDialogFilters();
  save_dialog->selectNameFilter(filters[kDefaultFilterIndex - 1]);
  save_dialog->setDefaultSuffix(QString::fromLatin1(kDefaultExtension));
  // Clear the name typed last time (selectFile with an empty name leaves Qt's field alone).
  save_dialog->selectFile(QString());
  if (auto* name = save_dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) name->clear();
  if (save_dialog->exec() != QDialog::Accepted || save_dialog->selectedFiles().isEmpty()) return;
  const QString path = save_dialog->selectedFiles().constFirst();
  const int index = FilterIndexOf(save_dialog->selectedNameFilter());
  window_.Redraw();  // the drawing area shows the current picture
  try {
    const platform::PictureSource source{window_.RenderPicture(1.0), window_.PaintWidth(), window_.PaintHeight(),
                                         Drawer()};
    const std::string bytes = platform::FileNameBytes(path);
    std::optional<platform::ProtectionLift> lift;
    if (!MayReplace(&window_, bytes, lift)) return;
    platform::SavePicture(bytes, FormatForSavedName(path, index), source);
  } catch (const std::exception& e) {
    show_error(FileErrorMessage(QString::fromUtf8(e.what())));
  }
}

void ExportActions::OnCopyResultsClicked() {
  // The whole list, whatever the user had selected before.
  window_.ResultMemo()->selectAll();
  window_.ResultMemo()->copy();
}

}  // namespace plotwerk::ui
