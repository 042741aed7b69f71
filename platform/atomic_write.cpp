// Atomic file replacement: the target is checked, the content is written to a temporary file in
// the target's folder with every write checked, synced to disk, and only then renamed over it.
#include "platform/atomic_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QStringList>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

// One message per failure, naming the file once.
[[noreturn]] void Refuse(const std::string& path, const std::string& reason) {
  throw ExportError("Cannot write \"" + path + "\": " + reason);
}

[[noreturn]] void Fail(const std::string& path, int error) { Refuse(path, std::strerror(error)); }

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// The file that is really replaced and what the new one must keep of it. Only a regular file
// (or a new name) may be replaced: a device, FIFO, socket or folder would otherwise be swapped
// for a regular file. A symbolic link is followed, so the link itself stays.
struct Target {
  std::string path;
  bool exists = false;
  struct stat info {};
};

Target ResolveTarget(const std::string& path) {
  Target target{path};
  struct stat link_info {};
  if (::lstat(path.c_str(), &link_info) != 0) {
    if (errno != ENOENT) Fail(path, errno);
    return target;  // a new file; a missing folder is reported when creating it
  }
  if (::stat(path.c_str(), &target.info) != 0) {
    // A link whose end does not exist: refuse rather than guess where the file should go.
    Refuse(path, "the symbolic link points to nothing that exists");
  }
  if (!S_ISREG(target.info.st_mode)) Refuse(path, S_ISDIR(target.info.st_mode) ? "it is a folder" : "it is not a regular file");
  target.exists = true;
  if (S_ISLNK(link_info.st_mode)) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) Fail(path, errno);
    target.path = resolved;
  }
  // As cp and a shell redirection: a file the user may not write is not replaced.
  if (::access(target.path.c_str(), W_OK) != 0) {
    if (errno == EACCES) Refuse(path, "the file is write-protected");
    Fail(path, errno);
  }
  // Renaming over a file with other names would leave them with the old content.
  if (target.info.st_nlink > 1) {
    Refuse(path, "the file has " + std::to_string(target.info.st_nlink - 1) +
                     " other hard link(s), which replacing it would break");
  }
  return target;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Makes the rename itself durable; a folder that cannot be synced (some file systems) is no error.
void SyncFolderOf(const std::string& target) {
  std::string folder = FolderOf(target);
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The temporary file, removed unless handed over. Its name is short ("." and 8 characters in
// the target's folder), so a target name of the longest legal length still leaves room.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : name_(FolderOf(target) + ".pwXXXXXX") {
    fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
    if (fd_ < 0) name_.clear();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
  }

  int fd() const { return fd_; }
  // Closes the descriptor; false (errno set) when the close reports a late write error.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  std::string Release() { return std::exchange(name_, std::string()); }

 private:
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

// Collects small writes into blocks; every block written is checked.
class FileSink : public ByteSink {
 public:
  FileSink(int fd, const std::string& path) : fd_(fd), path_(path) { buffer_.reserve(kBlock); }
  void Write(const void* data, std::size_t size) override {
    const char* bytes = static_cast<const char*>(data);
    if (buffer_.size() + size > kBlock) Flush();
    if (size >= kBlock) {
      if (!WriteAll(fd_, bytes, size)) Fail(path_, errno);
    } else {
      buffer_.insert(buffer_.end(), bytes, bytes + size);
    }
  }
  void Flush() {
    if (!WriteAll(fd_, buffer_.data(), buffer_.size())) Fail(path_, errno);
    buffer_.clear();
  }

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  int fd_;
  const std::string& path_;
  std::vector<char> buffer_;
};

}  // namespace

PreparedFile::PreparedFile(const std::string& path, const std::function<void(ByteSink&)>& fill) : path_(path) {
  const Target target = ResolveTarget(path);
  target_ = target.path;
  TemporaryFile temp(target.path);
  if (temp.fd() < 0) Fail(path, errno);
  FileSink sink(temp.fd(), path_);
  fill(sink);
  sink.Flush();
  if (target.exists) {
    // The new file keeps the old one's owner and group; one it cannot keep is refused rather
    // than changed behind the user's back. The mode is set after, as a change of owner clears
    // the set-user-ID bits.
    struct stat mine {};
    if (::fstat(temp.fd(), &mine) != 0) Fail(path, errno);
    if ((mine.st_uid != target.info.st_uid || mine.st_gid != target.info.st_gid) &&
        ::fchown(temp.fd(), target.info.st_uid, target.info.st_gid) != 0) {
      Refuse(path, "the file belongs to another owner or group, which a new file could not keep");
    }
  }
  if (::fchmod(temp.fd(), target.exists ? target.info.st_mode & 07777 : NewFileMode()) != 0) Fail(path, errno);
  // Every byte must be on disk before the old file goes: a file system that runs full while
  // flushing its cache reports it here or on close, not on write.
  if (::fsync(temp.fd()) != 0) Fail(path, errno);
  if (!temp.Close()) Fail(path, errno);
  temporary_ = temp.Release();
}

PreparedFile::~PreparedFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void PreparedFile::Commit() {
  if (temporary_.empty()) return;
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) Fail(path_, errno);
  temporary_.clear();
  SyncFolderOf(target_);
}

void WriteFileAtomically(const std::string& path, const std::function<void(ByteSink&)>& fill) {
  PreparedFile file(path, fill);
  file.Commit();
}

void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  WriteFileAtomically(path, [bytes](ByteSink& sink) { sink.Write(bytes.data(), bytes.size()); });
}

void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes) {
  WriteFileAtomically(FileNameBytes(path), bytes);
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

bool IsWriteProtected(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  return ::access(path.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0;
}

ProtectionLift::ProtectionLift(const std::string& path) : path_(path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) Fail(path, errno);
  mode_ = info.st_mode & 07777;
  if (::chmod(path.c_str(), static_cast<mode_t>(mode_ | S_IWUSR)) != 0) Fail(path, errno);
}

ProtectionLift::~ProtectionLift() { ::chmod(path_.c_str(), static_cast<mode_t>(mode_)); }

std::string FileNameBytes(const QString& name) {
  const QByteArray encoded = QFile::encodeName(name);
  std::string bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
  struct stat info {};
  if (!name.contains(QChar::ReplacementCharacter) || ::lstat(bytes.c_str(), &info) == 0) return bytes;
  // Component by component: the folder so far (bytes) and the next name (text).
  std::string found = name.startsWith(QLatin1Char('/')) ? "/" : "";
  const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QByteArray part = QFile::encodeName(parts[i]);
    std::string candidate = found + std::string(part.constData(), static_cast<std::size_t>(part.size()));
    if (parts[i].contains(QChar::ReplacementCharacter) && ::lstat(candidate.c_str(), &info) != 0) {
      DIR* folder = ::opendir(found.empty() ? "." : found.c_str());
      int matches = 0;
      std::string match;
      for (const dirent* entry = folder ? ::readdir(folder) : nullptr; entry != nullptr; entry = ::readdir(folder)) {
        if (QFile::decodeName(entry->d_name) == parts[i]) {
          ++matches;
          match = found + entry->d_name;
        }
      }
      if (folder != nullptr) ::closedir(folder);
      if (matches == 1) candidate = match;
      // Several names read the same: which one was meant cannot be known, and writing a third
      // would not be the file named either.
      if (matches > 1) {
        throw ExportError("\"" + name.toStdString() + "\" stands for " + std::to_string(matches) +
                          " files whose names are not valid UTF-8; rename them to tell them apart");
      }
    }
    found = candidate + (i + 1 < parts.size() ? "/" : "");
  }
  return found;
}

}  // namespace plotwerk::platform
