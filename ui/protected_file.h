// The window's question before a save replaces a write-protected file.
#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "platform/atomic_write.h"

class QWidget;

namespace plotwerk::ui {

// The question (the file's name in, yes or no out); tests replace it.
std::function<bool(QWidget* parent, const QString& name)>& ReplaceProtectedQuestion();

// True when the save of `path` may go on: the file is not write-protected, or the user agreed to
// replace it, in which case `lift` holds the protection lifted until the save is over.
bool MayReplace(QWidget* parent, const std::string& path, std::optional<platform::ProtectionLift>& lift);

}  // namespace plotwerk::ui
