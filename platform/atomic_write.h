// Writes a file so that it is either replaced completely or not touched at all: the content goes
// to a temporary file in the target's folder, which is synced to disk and renamed over the target
// only when every byte is written. Only regular files (or new names) are replaced; a symbolic
// link to a regular file is written through and stays a link. File names are bytes, exactly as
// the system call takes them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include <QString>

class QIODevice;

namespace plotwerk::platform {

// Receives a file's content piece by piece; throws ExportError when the bytes cannot be written.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(const void* data, std::size_t size) = 0;
};

// A new content written completely beside its target and synced, waiting to replace it.
// The target is checked first: it must be a regular file (or a new name) that the user may
// write (as `cp` and a shell redirection require), whose owner and group the new file can keep,
// and without other hard links, which replacing it would silently break. Destroying an
// uncommitted PreparedFile removes the temporary file and leaves the target as it was.
class PreparedFile {
 public:
  PreparedFile(const std::string& path, const std::function<void(ByteSink&)>& fill);
  PreparedFile(const PreparedFile&) = delete;
  PreparedFile& operator=(const PreparedFile&) = delete;
  ~PreparedFile();

  // Renames the temporary file over the target. Throws ExportError (the target stays as it was).
  void Commit();

 private:
  std::string path_;         // as given, for messages
  std::string target_;       // the file really replaced (a symbolic link followed)
  std::string temporary_;    // empty once renamed or removed
};

// The content, written completely or not at all. ExportError carries one message naming the
// file once with the system's reason; an exception thrown by `fill` itself passes on unchanged.
void WriteFileAtomically(const std::string& path, const std::function<void(ByteSink&)>& fill);
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// The window's names (see FileNameBytes). `write` fills the device in memory first.
void WriteFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write);
void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes);

// True when `path` is an existing file without write permission for the user, or without any
// write permission at all (which root could ignore). The window asks before replacing one.
bool IsWriteProtected(const std::string& path);

// Lifts the owner's write protection of an existing file for one save the user has agreed to,
// and gives the file (old or new) its old mode back afterwards. Throws ExportError when the
// protection cannot be lifted (another user's file).
class ProtectionLift {
 public:
  explicit ProtectionLift(const std::string& path);
  ProtectionLift(const ProtectionLift&) = delete;
  ProtectionLift& operator=(const ProtectionLift&) = delete;
  ~ProtectionLift();

 private:
  std::string path_;
  unsigned mode_ = 0;
};

// The bytes of a file name the window holds as text (from a file dialog, a drop, its command
// line). Qt decodes names that are no valid UTF-8 with replacement characters, which encode
// back to other bytes: a component that does not exist under its encoded name is looked up in
// its folder among the names that decode to the same text, and taken when exactly one does;
// ExportError when several do.
std::string FileNameBytes(const QString& name);

}  // namespace plotwerk::platform
