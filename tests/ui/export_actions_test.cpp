// The "Edit" menu on a shown main window: the save dialog and the file per filter, overwrite
// question, failures, clipboard picture, printing to a PDF printer, copying the result list.
#include "ui/export_actions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTimer>

#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

class ExportTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    actions = ReportingInto<ExportActions>("ExportActions", errors);
    ASSERT_NE(actions, nullptr);
  }

  // Runs "Save vector graphic"; while save_dialog is open, `in_dialog` acts on it. A dialog still
  // open afterwards is a failure (and is closed, so the test goes on).
  void Save(const std::function<void(QFileDialog&)>& in_dialog) {
    QTimer::singleShot(0, actions->save_dialog, [this, in_dialog] {
      in_dialog(*actions->save_dialog);
      if (actions->save_dialog->isVisible()) {
        ADD_FAILURE() << "save_dialog did not close";
        actions->save_dialog->reject();
      }
    });
    window->Menu().save_vector_item->trigger();
  }

  // Types a name into save_dialog's file name field, as the user does.
  static void Type(QFileDialog& dialog, const QString& name) {
    auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
  }

  static void Accept(QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); }  // the Save button

  // Saves through save_dialog with the filter of `index` (1-based) and the typed `name`.
  void SaveAs(int index, const QString& path) {
    Save([index, path](QFileDialog& dialog) {
      dialog.selectNameFilter(SaveDialogFilters()[index - 1]);
      Type(dialog, path);
      Accept(dialog);
    });
  }

  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  ExportActions* actions = nullptr;
  QStringList errors;
  QTemporaryDir dir;
};

TEST_F(ExportTest, SaveDialogAsDesigned) {
  QFileDialog& save_dialog = *actions->save_dialog;
  EXPECT_EQ(save_dialog.windowTitle(), "Save picture");
  EXPECT_EQ(save_dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(save_dialog.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_TRUE(save_dialog.isSizeGripEnabled());
  EXPECT_EQ(save_dialog.nameFilters(),
            (QStringList{"Bitmap (*.bmp)", "16-colour bitmap (*.bmp)", "GIF picture (*.gif)",
                         "Vector graphic (*.wmf)", "PNG picture (*.png)", "SVG vector graphic (*.svg)",
                         "PDF document (*.pdf)"}));
  EXPECT_EQ(save_dialog.defaultSuffix(), "gif");
  // Undo, redo and a separator, then three commands, separator, result list.
  EXPECT_EQ(window->Menu().edit_menu->actions().size(), 8);
}

TEST_F(ExportTest, DialogOpensOnTheGifEntryEveryTimeAndCancelDoesNothing) {
  for (int round = 0; round < 2; ++round) {
    QString seen_filter, seen_suffix, seen_name = "unread";
    Save([&](QFileDialog& dialog) {
      seen_filter = dialog.selectedNameFilter();
      seen_suffix = dialog.defaultSuffix();
      seen_name = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
      dialog.selectNameFilter(SaveDialogFilters()[0]);  // the user picks another entry, then cancels
      Type(dialog, dir.filePath("cancelled.bmp"));
      dialog.reject();
    });
    EXPECT_EQ(seen_filter, "GIF picture (*.gif)") << "round " << round;
    EXPECT_EQ(seen_suffix, "gif");
    EXPECT_EQ(seen_name, "") << "the name typed last time is cleared";
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ExportTest, TheSelectedEntryDecidesForAnUnknownExtension) {
  // Every file is named .pic, which no format claims; the content follows the entry.
  const std::vector<std::pair<int, QByteArray>> magic = {
      {1, "BM"}, {2, "BM"}, {3, "GIF8"}, {4, QByteArray("\x01\0\0\0", 4)}, {5, "\x89PNG"}, {6, "<?xml"},
      {7, "%PDF-"}};
  const int w = window->PaintWidth(), h = window->PaintHeight();
  for (const auto& [index, start] : magic) {
    SCOPED_TRACE(index);
    const QString path = dir.filePath(QStringLiteral("picture%1.pic").arg(index));
    SaveAs(index, path);
    const QByteArray bytes = Read(path);
    ASSERT_TRUE(bytes.startsWith(start)) << bytes.left(8).toHex().toStdString() << " files: "
                                         << QDir(dir.path()).entryList().join(",").toStdString();
    if (index <= 2) {
      const QImage image = QImage::fromData(bytes, "BMP");
      EXPECT_EQ(image.size(), QSize(w, h));
      // Filter 1 keeps the screen's colours, filter 2 has at most 16.
      if (index == 1) {
        EXPECT_EQ(image.convertToFormat(QImage::Format_RGB32), window->RenderPicture(1.0));
      } else {
        EXPECT_LE(image.colorCount(), 16);
      }
    }
  }
  EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(ExportTest, ATypedKnownExtensionDecidesTheFormat) {
  SaveAs(3, dir.filePath("graph.png"));  // the GIF entry, as the dialog opens
  SaveAs(5, dir.filePath("graph.gif"));
  EXPECT_TRUE(Read(dir.filePath("graph.png")).startsWith("\x89PNG"));
  EXPECT_TRUE(Read(dir.filePath("graph.gif")).startsWith("GIF8"));
  EXPECT_TRUE(errors.isEmpty()) << errors.join("; ").toStdString();
}

TEST_F(ExportTest, NameWithoutExtensionGetsTheEntrysExtension) {
  SaveAs(1, dir.filePath("noext"));
  SaveAs(3, dir.filePath("plain"));
  EXPECT_TRUE(Read(dir.filePath("noext.bmp")).startsWith("BM")) << QDir(dir.path()).entryList().join(",").toStdString();
  EXPECT_TRUE(Read(dir.filePath("plain.gif")).startsWith("GIF8"));
}

TEST_F(ExportTest, OverwritingAsksFirst) {
  const QString path = dir.filePath("old.gif");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  QString question;
  Save([&](QFileDialog& dialog) {
    Type(dialog, path);
    // The question is modal: answer it from the event loop it runs.
    QTimer::singleShot(0, &dialog, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      question = box->text();
      box->button(QMessageBox::Yes)->click();
    });
    Accept(dialog);
  });
  EXPECT_FALSE(question.isEmpty());
  EXPECT_TRUE(Read(path).startsWith("GIF8"));
}

TEST_F(ExportTest, FailedSaveShowsThePlatformMessageAndWritesNothing) {
  const QString path = dir.filePath("gone/picture.gif");  // the folder does not exist
  SaveAs(3, path);
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST_F(ExportTest, CopyVectorGraphicPutsSvgAndPngOnTheClipboard) {
  QGuiApplication::clipboard()->clear();
  window->Menu().copy_vector_item->trigger();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasFormat("image/svg+xml"));
  ASSERT_TRUE(data->hasFormat("image/png"));
  const int w = window->PaintWidth(), h = window->PaintHeight();
  const QByteArray svg = data->data("image/svg+xml");
  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, w, h));
  // The background reaches (W + 2, H + 2): filled from -1 over W + 3 pixels.
  EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1\" height=\"%2\"").arg(w + 3).arg(h + 3).toLatin1()));
  const QImage png = QImage::fromData(data->data("image/png"), "PNG");
  EXPECT_EQ(png.size(), QSize(w, h));
  EXPECT_GT(testing::CountColour(png, qRgb(0, 0, 255)), 100);  // the curve of f1
}

TEST_F(ExportTest, PrintGoesToOnePageOfThePrinterTheDialogChose) {
  const QString pdf = dir.filePath("print.pdf");
  int dialogs = 0;
  actions->run_print_dialog = [&](QPrinter& printer) {
    ++dialogs;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  };
  window->Menu().print_vector_item->trigger();
  EXPECT_EQ(dialogs, 1);
  const QByteArray bytes = Read(pdf);
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
  EXPECT_TRUE(errors.isEmpty());

  // Cancelling the print dialog prints nothing.
  QFile::remove(pdf);
  actions->run_print_dialog = [&](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return false;
  };
  window->Menu().print_vector_item->trigger();
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ExportTest, CopyResultListCopiesTheWholeText) {
  window->Options().result_list->click();
  ASSERT_TRUE(window->Menu().copy_results_item->isEnabled());
  const QString text = window->ResultMemo()->toPlainText();
  ASSERT_FALSE(text.isEmpty());
  // A selection the user made before does not limit what is copied.
  QTextCursor cursor = window->ResultMemo()->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(1, QTextCursor::KeepAnchor);
  window->ResultMemo()->setTextCursor(cursor);
  QGuiApplication::clipboard()->clear();
  window->Menu().copy_results_item->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
}

}  // namespace
}  // namespace plotwerk::ui
