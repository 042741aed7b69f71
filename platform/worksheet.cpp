// Worksheet files on disk: the byte name straight to the system calls, the size checked before
// the file is read, the text written through the all-or-nothing writer.
#include "platform/worksheet.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <span>

#include "platform/atomic_write.h"

namespace plotwerk::platform {

namespace {

// Closes the descriptor on every way out.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

[[noreturn]] void Refuse(const std::string& message) { throw WorksheetError(message); }

}  // namespace

Worksheet ReadWorksheet(const std::string& path, std::vector<std::string>* warnings) {
  // Opened without blocking so that a FIFO does not wait for a writer; checked as a regular file
  // on the descriptor, so the file read is the file checked.
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY)};
  if (file.fd < 0) Refuse(errno == ENOENT ? "no such file" : std::strerror(errno));
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) Refuse(std::strerror(errno));
  // Devices and pipes could feed the reader without end.
  if (!S_ISREG(info.st_mode)) Refuse(S_ISDIR(info.st_mode) ? "it is a folder" : "not a regular file");
  if (info.st_size > kMaxWorksheetBytes) {
    Refuse("the file has " + std::to_string(info.st_size) + " bytes, more than a worksheet can hold (" +
           std::to_string(kMaxWorksheetBytes) + " bytes)");
  }
  std::string json(static_cast<std::size_t>(kMaxWorksheetBytes) + 1, '\0');
  std::size_t size = 0;
  while (size < json.size()) {
    const ssize_t n = ::read(file.fd, json.data() + size, json.size() - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Refuse(std::strerror(errno));
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  if (size > static_cast<std::size_t>(kMaxWorksheetBytes)) Refuse("the file is larger than a worksheet can be");
  json.resize(size);
  return plot::WorksheetFromJson(json, warnings);
}

void WriteWorksheet(const std::string& path, const Worksheet& worksheet) {
  const std::string json = plot::WorksheetToJson(worksheet);
  WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
}

}  // namespace plotwerk::platform
