// Asks before a write-protected file is replaced, as a file manager does.
#include "ui/protected_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace plotwerk::ui {

std::function<bool(QWidget*, const QString&)>& ReplaceProtectedQuestion() {
  static std::function<bool(QWidget*, const QString&)> question = [](QWidget* parent, const QString& name) {
    const QString text = QCoreApplication::translate("ProtectedFile", "The file \"%1\" is write-protected. Replace it anyway?")
                             .arg(name);
    return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
  };
  return question;
}

bool MayReplace(QWidget* parent, const std::string& path, std::optional<platform::ProtectionLift>& lift) {
  if (!platform::IsWriteProtected(path)) return true;
  if (!ReplaceProtectedQuestion()(parent, QFileInfo(QString::fromStdString(path)).fileName())) return false;
  lift.emplace(path);
  return true;
}

}  // namespace plotwerk::ui
