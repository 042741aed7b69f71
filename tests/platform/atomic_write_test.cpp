// Atomic replacement: complete files only, the old file kept on every failure, no temporary left.
#include "platform/atomic_write.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include "platform/export_error.h"

namespace plotwerk::platform {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteText(const QString& path, const char* text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

QStringList Entries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

std::vector<std::uint8_t> Bytes(const char* text) { return {text, text + std::strlen(text)}; }

TEST(AtomicWrite, CreatesAndReplacesFiles) {
  QTemporaryDir dir;
  const QString path = dir.filePath("picture.gif");
  WriteFileAtomically(path, Bytes("first"));
  EXPECT_EQ(ReadAll(path), "first");
  WriteFileAtomically(path, Bytes("second, longer"));
  WriteFileAtomically(path, Bytes("3rd"));  // shorter: nothing of the old content survives
  EXPECT_EQ(ReadAll(path), "3rd");
  EXPECT_EQ(Entries(dir.path()), QStringList{"picture.gif"});
}

TEST(AtomicWrite, FailingWriterKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("picture.bmp");
  WriteText(path, "old content");
  const auto failing = [](QIODevice& device) {
    device.write("half of the new");
    throw ExportError("encoder failed");
  };
  EXPECT_THROW(WriteFileAtomically(path, failing), ExportError);
  EXPECT_EQ(ReadAll(path), "old content");
  EXPECT_EQ(Entries(dir.path()), QStringList{"picture.bmp"});
  // A failure that is no ExportError passes through unchanged and cleans up the same way.
  EXPECT_THROW(WriteFileAtomically(path, [](QIODevice&) { throw std::bad_alloc(); }), std::bad_alloc);
  EXPECT_EQ(Entries(dir.path()), QStringList{"picture.bmp"});
}

TEST(AtomicWrite, UnwritableFolderReportsThePlatformMessage) {
  QTemporaryDir dir;
  // A folder that cannot hold files even for root: its "parent" is a regular file.
  WriteText(dir.filePath("plain"), "x");
  const QString inside_file = dir.filePath("plain/picture.gif");
  const QString missing_folder = dir.filePath("no/such/folder/picture.gif");
  for (const QString& path : {inside_file, missing_folder}) {
    SCOPED_TRACE(path.toStdString());
    try {
      WriteFileAtomically(path, Bytes("data"));
      ADD_FAILURE() << "no error";
    } catch (const ExportError& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
      EXPECT_GT(message.size(), path.size() + 20) << "the platform's reason is missing: " << message;
    }
  }
  EXPECT_EQ(ReadAll(dir.filePath("plain")), "x");
  EXPECT_EQ(Entries(dir.path()), QStringList{"plain"});
}

}  // namespace
}  // namespace plotwerk::platform
