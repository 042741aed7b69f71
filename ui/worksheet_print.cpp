// "File" -> "Print page...": the printable page (title, picture, terms, result list) in a
// print preview, from which it is printed or saved.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

#include "platform/export_error.h"
#include "platform/print_page.h"
#include "ui/main_window.h"
#include "ui/window_extension.h"
#include "ui/worksheet_actions.h"

namespace plotwerk::ui {

namespace {

QString WorksheetTitle(MainWindow& window) {
  const auto* actions = window.findChild<WorksheetActions*>();
  if (actions == nullptr || actions->Path().isEmpty()) return QString();
  return QFileInfo(actions->Path()).completeBaseName();
}

void PrintPageClick(MainWindow& window) {
  const platform::PageContent content = platform::MakePageContent(
      window.Plotter(), window.SnapshotControls(), WorksheetTitle(window), window.PaintWidth(), window.PaintHeight());
  // Making the page rebuilt the result list for it; the window shows its own again.
  window.RedrawWithResults();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  printer.setDocName(content.title);
  QPrintPreviewDialog preview(&printer, &window);
  preview.setObjectName("PagePreview");
  QString failure;
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &window, [&](QPrinter* target) {
    try {
      platform::PaintPages(*target, content);
    } catch (const platform::ExportError& e) {
      failure = QString::fromStdString(e.what());
    }
  });
  preview.exec();
  if (!failure.isEmpty()) QMessageBox::warning(&window, MainWindow::tr("Print page"), failure);
  window.activateWindow();
}

// The "File" menu belongs to the worksheet actions; the item joins it once it exists.
bool AddToFileMenu(MainWindow& window) {
  auto* file = window.findChild<QMenu*>("WorksheetMenu");
  if (file == nullptr) return false;
  file->addSeparator();
  QAction* item = file->addAction(MainWindow::tr("Print page..."));
  item->setObjectName("PrintPage");
  QObject::connect(item, &QAction::triggered, &window, [&window] { PrintPageClick(window); });
  return true;
}

void InstallPagePrinting(MainWindow& window) {
  if (!AddToFileMenu(window)) QTimer::singleShot(0, &window, [&window] { AddToFileMenu(window); });
}

const WindowExtensionRegistration kPagePrinting{&InstallPagePrinting};

}  // namespace

}  // namespace plotwerk::ui
