// Atomic file replacement: the content is collected in memory, written to a temporary file in the
// target's folder with every write checked, synced to disk, and only then renamed over the target.
#include "platform/atomic_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include <QBuffer>
#include <QByteArray>
#include <QFile>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

std::string Describe(const QString& path, const QString& reason) {
  return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason).toStdString();
}

QString SystemMessage(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

[[noreturn]] void Fail(const QString& path, int error) { throw ExportError(Describe(path, SystemMessage(error))); }

// The file that is really replaced, and the permissions the new content gets. Only a regular
// file (or a new name) may be replaced: a device, FIFO, socket or folder would otherwise be
// swapped for a regular file. A symbolic link is followed, so the link itself stays.
struct Target {
  std::string path;
  mode_t mode = 0;
};

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

Target ResolveTarget(const QString& path) {
  const std::string name = QFile::encodeName(path).toStdString();
  struct stat link_info {};
  if (::lstat(name.c_str(), &link_info) != 0) {
    if (errno != ENOENT) Fail(path, errno);
    return {name, NewFileMode()};  // a new file; a missing folder is reported when creating it
  }
  struct stat info {};
  if (::stat(name.c_str(), &info) != 0) {
    // A link whose end does not exist: refuse rather than guess where the file should go.
    throw ExportError(Describe(path, QStringLiteral("the symbolic link points to nothing that exists")));
  }
  if (!S_ISREG(info.st_mode)) {
    throw ExportError(Describe(path, S_ISDIR(info.st_mode) ? QStringLiteral("it is a folder")
                                                            : QStringLiteral("it is not a regular file")));
  }
  if (!S_ISLNK(link_info.st_mode)) return {name, info.st_mode & 07777};
  char resolved[PATH_MAX];
  if (::realpath(name.c_str(), resolved) == nullptr) Fail(path, errno);
  return {resolved, info.st_mode & 07777};
}

// Removes the temporary file unless the rename has consumed it.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : name_(TemplateFor(target)) {
    fd_ = ::mkstemp(name_.data());
    if (fd_ < 0) name_.clear();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
  }

  int fd() const { return fd_; }
  const std::string& name() const { return name_; }
  // Closes the descriptor; false (errno set) when the close reports a late write error.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void Release() { name_.clear(); }

 private:
  static std::string TemplateFor(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + base + ".XXXXXX";
  }

  std::string name_;
  int fd_ = -1;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {  // no progress and no error: treat as a full device
      errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced (some file systems) is no error.
void SyncFolderOf(const std::string& target) {
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : target.substr(0, slash));
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes) {
  const Target target = ResolveTarget(path);
  TemporaryFile temp(target.path);
  if (temp.fd() < 0) Fail(path, errno);
  if (!WriteAll(temp.fd(), reinterpret_cast<const char*>(bytes.data()), bytes.size())) Fail(path, errno);
  if (::fchmod(temp.fd(), target.mode) != 0) Fail(path, errno);
  // Every byte must be on disk before the old file goes: a file system that runs full while
  // flushing its cache reports it here or on close, not on write.
  if (::fsync(temp.fd()) != 0) Fail(path, errno);
  if (!temp.Close()) Fail(path, errno);
  if (::rename(temp.name().c_str(), target.path.c_str()) != 0) Fail(path, errno);
  temp.Release();
  SyncFolderOf(target.path);
}

void WriteFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write) {
  // The content is produced in full before the target is touched; an exception from `write`
  // passes on unchanged and nothing is created on disk.
  QByteArray content;
  QBuffer buffer(&content);
  buffer.open(QIODevice::WriteOnly);
  write(buffer);
  buffer.close();
  WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(content.constData()),
                                      static_cast<std::size_t>(content.size())));
}

}  // namespace plotwerk::platform
