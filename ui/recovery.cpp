// Recovery worksheet: the window's state on a timer, the offer at the next start.
#include "ui/recovery.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QMessageBox>

#include <cerrno>
#include <cstdlib>
#include <exception>

#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/worksheet_actions.h"

namespace plotwerk::ui {

namespace {

// The state folder of the XDG base directories: only an absolute $XDG_STATE_HOME counts.
std::string StateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::string(state) + "/plotwerk";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.local/state/plotwerk";
}

// Creates the folder and its parents, private to the user as the XDG rules ask.
void MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1); ; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
    if (slash == std::string::npos) return;
  }
}

}  // namespace

Recovery::Recovery(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("Recovery"));
  ask_restore = [this](const QString& question) {
    return QMessageBox::question(&window_, window_.windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
  };
  show_error = [this](const QString& message) { QMessageBox::warning(&window_, window_.windowTitle(), message); };
  last_ = Current();
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &Recovery::SaveIfChanged);
  timer_.start();
}

Recovery::~Recovery() {
  if (written_) ::unlink(FilePath().c_str());
}

std::string Recovery::FilePath() { return StateFolder() + "/recovery.plotwerk"; }

platform::Worksheet Recovery::Current() const {
  return {window_.SnapshotControls(), window_.Plotter().View(), window_.Plotter().Params().p,
          window_.Plotter().Params().q};
}

void Recovery::SaveIfChanged() {
  const platform::Worksheet now = Current();
  if (last_ && platform::SameWorksheet(*last_, now)) return;
  try {
    MakeFolders(StateFolder());
    platform::WriteWorksheet(FilePath(), now);
    last_ = now;
    written_ = true;
  } catch (const std::exception&) {
    // A full disk or a state folder that cannot be written: the next tick tries again; the
    // lesson itself is not disturbed by a message every 30 seconds.
  }
}

void Recovery::OfferRestore() {
  const std::string path = FilePath();
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return;
  platform::Worksheet worksheet;
  try {
    worksheet = platform::ReadWorksheet(path, nullptr);
  } catch (const std::exception& e) {
    ::unlink(path.c_str());
    show_error(tr("The lesson kept from the last run cannot be restored and was discarded:\n%1")
                   .arg(FileErrorMessage(QString::fromUtf8(e.what()))));
    return;
  }
  const QString time = QDateTime::fromSecsSinceEpoch(info.st_mtime).toString(QStringLiteral("HH:mm"));
  if (!ask_restore(tr("Restore the lesson of %1?").arg(time))) {
    ::unlink(path.c_str());
    return;
  }
  ShowWorksheet(window_, worksheet);
  // The file holds the restored lesson; it is kept until a normal end, as if written now.
  last_ = Current();
  written_ = true;
}

void StartRecovery(MainWindow& window) {
  auto* recovery = new Recovery(window);
  // After the first activation, which draws the basic setting.
  QTimer::singleShot(0, recovery, [recovery] { recovery->OfferRestore(); });
}

}  // namespace plotwerk::ui
