// Atomic file replacement over QSaveFile.
#include "platform/atomic_write.h"

#include <QSaveFile>

#include "platform/export_error.h"

namespace plotwerk::platform {

namespace {

std::string Describe(const QString& path, const QString& error) {
  return QStringLiteral("Cannot write \"%1\": %2").arg(path, error).toStdString();
}

}  // namespace

void WriteFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write) {
  QSaveFile file(path);
  // Never fall back to writing the target in place: a failure must leave the old file intact.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) throw ExportError(Describe(path, file.errorString()));
  try {
    write(file);
  } catch (...) {
    file.cancelWriting();
    throw;  // ~QSaveFile removes the temporary file
  }
  // commit() also reports a write error that happened earlier (QSaveFile remembers it).
  if (!file.commit()) throw ExportError(Describe(path, file.errorString()));
}

void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes) {
  WriteFileAtomically(path, [&path, bytes](QIODevice& device) {
    const auto size = static_cast<qint64>(bytes.size());
    qint64 done = 0;
    while (done < size) {
      const qint64 n = device.write(reinterpret_cast<const char*>(bytes.data()) + done, size - done);
      if (n <= 0) throw ExportError(Describe(path, device.errorString()));
      done += n;
    }
  });
}

}  // namespace plotwerk::platform
