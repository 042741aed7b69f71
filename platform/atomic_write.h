// Writes a file so that it is either replaced completely or not touched at all: the content goes
// to a temporary file in the target's folder, which is renamed over the target only when complete.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include <QString>

class QIODevice;

namespace plotwerk::platform {

// `write` fills the device. When it throws, or when opening, writing or the final rename fails,
// the temporary file is removed, the old file stays as it was, and ExportError carries the
// platform's message (an exception thrown by `write` itself is passed on unchanged).
void WriteFileAtomically(const QString& path, const std::function<void(QIODevice&)>& write);

void WriteFileAtomically(const QString& path, std::span<const std::uint8_t> bytes);

}  // namespace plotwerk::platform
