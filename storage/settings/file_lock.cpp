#include "storage/settings/file_lock.h"

#include <QFile>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace bv {

FileLock::FileLock(const QString& lockPath, int timeoutMs) {
  const QByteArray path = QFile::encodeName(lockPath);
  do {
    fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  } while (fd_ < 0 && errno == EINTR);
  if (fd_ < 0) return;
  // Polled rather than blocking, so a station that hangs while holding the lock
  // makes the others fail their write instead of freezing them.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      locked_ = true;
      return;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) return;
    if (std::chrono::steady_clock::now() >= deadline) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  if (locked_) ::flock(fd_, LOCK_UN);
  ::close(fd_);
}

}  // namespace bv
