// A folder on which every write fails for lack of space: a tiny tmpfs filled to the last byte when
// the test may mount one (root), otherwise a file size limit of zero bytes for this process. Both
// are real kernel failures (ENOSPC or EFBIG), seen by the writer exactly as a full disk.
#pragma once

#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class FullFileSystem {
 public:
  // `old_name` is created with `old_content` before the folder runs full.
  FullFileSystem(const QString& old_name, const QByteArray& old_content) {
    folder_ = dir_.filePath(QStringLiteral("full"));
    QDir().mkpath(folder_);
    mounted_ = ::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", 0, "size=64k") == 0;
    QFile old(Path(old_name));
    if (old.open(QIODevice::WriteOnly)) old.write(old_content);
    old.close();
    if (mounted_) {
      // Fill the rest with single bytes in fresh pages until tmpfs refuses.
      std::FILE* filler = std::fopen(QFile::encodeName(Path(QStringLiteral("filler"))).constData(), "wb");
      static const char kPage[4096] = {};
      while (filler != nullptr && std::fwrite(kPage, 1, sizeof kPage, filler) == sizeof kPage && std::fflush(filler) == 0) {
      }
      if (filler != nullptr) std::fclose(filler);
    } else {
      ::getrlimit(RLIMIT_FSIZE, &saved_limit_);
      rlimit zero = saved_limit_;
      zero.rlim_cur = 0;
      ::setrlimit(RLIMIT_FSIZE, &zero);
      saved_signal_ = std::signal(SIGXFSZ, SIG_IGN);  // report EFBIG instead of ending the process
    }
  }
  ~FullFileSystem() {
    if (mounted_) {
      ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
    } else {
      ::setrlimit(RLIMIT_FSIZE, &saved_limit_);
      std::signal(SIGXFSZ, saved_signal_);
    }
  }
  FullFileSystem(const FullFileSystem&) = delete;
  FullFileSystem& operator=(const FullFileSystem&) = delete;

  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
  bool IsTmpfs() const { return mounted_; }

 private:
  QTemporaryDir dir_;
  QString folder_;
  bool mounted_ = false;
  rlimit saved_limit_{};
  void (*saved_signal_)(int) = SIG_DFL;
};
