// Names that are no UTF-8 (Latin-1 names from USB sticks and shares) reach the same file from
// the window's open path, its command line and a drop.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include "platform/worksheet.h"
#include "ui/worksheet_actions.h"
#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

class FileNamesTest : public testing::WorksheetWindowTest {};

TEST_F(FileNamesTest, ALatin1WorksheetOpensByNameAndByDrop) {
  QTemporaryDir dir;
  const std::string folder = QFile::encodeName(dir.path()).toStdString();
  const std::string bytes = folder + "/Blatt\xE9.plotwerk";
  platform::Worksheet sheet;
  sheet.controls.f2_plotted = true;
  platform::WriteWorksheet(bytes, sheet);

  // The text Qt gives for the name (a file dialog, the program's arguments).
  EXPECT_TRUE(actions->Open(QFile::decodeName(QByteArray::fromStdString(bytes))));
  EXPECT_TRUE(window->Terms().f2_plotted->isChecked());
  window->Terms().f2_plotted->setChecked(false);

  // A file manager's drop: the name's bytes percent-encoded in a file URL.
  QMimeData data;
  data.setData("text/uri-list", "file://" + QByteArray::fromStdString(folder).toPercentEncoding("/") +
                                    "/Blatt%E9.plotwerk\r\n");
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window->Terms().f1_term, &drop);
  QTRY_VERIFY(window->Terms().f2_plotted->isChecked());
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

}  // namespace
}  // namespace plotwerk::ui
