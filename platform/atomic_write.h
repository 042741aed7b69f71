// Writes a file so that it is either replaced completely or not touched at all: the content goes
// to a temporary file in the target's folder, which is synced to disk and renamed over the target
// only when every byte is written. Only regular files (or new names) are replaced; a symbolic
// link to a regular file is written through and stays a link.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include <QString>

class QIODevice;

namespace plotwerk::platform {

// `write` fills the device (in memory; the file is written afterwards). When it throws, or when
// the target is no regular file, or creating, writing, syncing or renaming fails, the temporary
// file is removed, the old file stays as it was, and ExportError carries the system's message
// (an exception thrown by `write` itself is passed on unchanged).
void WriteFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write);

void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes);

}  // namespace plotwerk::platform
