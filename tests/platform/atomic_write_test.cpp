// Atomic replacement: complete files only, the old file kept on every failure, no temporary left.
#include "platform/atomic_write.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

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
  return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
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

QFileInfo Info(const QString& path) { return QFileInfo(path); }

TEST(AtomicWrite, RefusesTargetsThatAreNoRegularFiles) {
  QTemporaryDir dir;
  const auto p = [&dir](const char* name) { return QFile::encodeName(dir.filePath(name)).toStdString(); };
  ASSERT_EQ(::mkfifo(p("fifo").c_str(), 0644), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, p("socket").c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  // A device node of our own (the null device's numbers) needs root; without it the case is left out.
  const bool have_device = ::mknod(p("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  for (const char* name : {"fifo", "folder", "socket", "device"}) {
    if (!have_device && std::strcmp(name, "device") == 0) continue;
    QFile::link(dir.filePath(name), dir.filePath(QStringLiteral("link-to-%1").arg(name)));
  }
  for (const QString name : {"fifo", "folder", "socket", "device", "link-to-fifo", "link-to-folder",
                             "link-to-socket", "link-to-device"}) {
    if (!have_device && name.endsWith("device")) continue;
    SCOPED_TRACE(name.toStdString());
    const QString path = dir.filePath(name);
    const QFileInfo before = Info(path);
    try {
      WriteFileAtomically(path, Bytes("data"));
      ADD_FAILURE() << "no error";
    } catch (const ExportError& e) {
      EXPECT_NE(std::string(e.what()).find(path.toStdString()), std::string::npos) << e.what();
    }
    const QFileInfo after = Info(path);
    EXPECT_FALSE(after.isFile() && !before.isFile()) << "replaced by a regular file";
    EXPECT_EQ(after.isSymLink(), before.isSymLink());
  }
  ::close(sock);
  EXPECT_EQ(Entries(dir.path()).size(), have_device ? 8 : 6) << Entries(dir.path()).join(' ').toStdString();
}

TEST(AtomicWrite, LinkToAFileWritesThroughAndKeepsTheLinkAndThePermissions) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("pictures"));
  const QString real = dir.filePath("pictures/real.png");
  WriteText(real, "old");
  ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
  ASSERT_EQ(::symlink("pictures/real.png", QFile::encodeName(dir.filePath("link.png")).constData()), 0);
  WriteFileAtomically(dir.filePath("link.png"), Bytes("new"));
  EXPECT_TRUE(Info(dir.filePath("link.png")).isSymLink());
  EXPECT_EQ(ReadAll(real), "new");
  struct stat info {};
  ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries(dir.filePath("pictures")), QStringList{"real.png"});
}

// The window's names come decoded by Qt, with U+FFFD for bytes that are no UTF-8: they must
// still reach the file on disk, never another one.
TEST(FileNameBytes, FindsTheFileBehindANameQtCouldNotDecode) {
  QTemporaryDir dir;
  const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/";
  for (const char* name : {"Blatt\xE9.plotwerk", "Notiz\xEF\xBF\xBD.png", "two\xE9", "two\xFC", "plain.png"}) {
    std::FILE* f = std::fopen((folder + name).c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
  }
  const struct {
    std::string bytes;     // the name on disk (or to be created)
    std::string expected;  // what FileNameBytes of its decoded text gives; empty: refused
  } cases[] = {
      {"Blatt\xE9.plotwerk", "Blatt\xE9.plotwerk"},
      {"Notiz\xEF\xBF\xBD.png", "Notiz\xEF\xBF\xBD.png"},  // valid UTF-8 of U+FFFD itself exists
      {"plain.png", "plain.png"},
      {"new\xE9.png", "new\xEF\xBF\xBD.png"},  // a new name: what Qt's text encodes to
      {"two\xE9", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    const QString text = QFile::decodeName(QByteArray::fromStdString(folder + c.bytes));
    if (c.expected.empty()) {
      EXPECT_THROW(FileNameBytes(text), ExportError);
    } else {
      EXPECT_EQ(FileNameBytes(text), folder + c.expected);
    }
  }
}

}  // namespace
}  // namespace plotwerk::platform
