#include "storage/filelayer/share_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace bv::sqlfile {

ShareLock::~ShareLock() {
  if (fd_ >= 0) ::close(fd_);  // closing drops the flock
}

bool ShareLock::lockTo(int level) {
  if (level == level_) return true;
  auto drop = [this] {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    level_ = 0;
  };
  if (level == 0) {
    drop();
    return true;
  }
  if (fd_ < 0) {
    const QByteArray path = path_.toLocal8Bit();
    fd_ = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) fd_ = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
  }
  auto take = [this](int l) {
    int rc;
    do rc = ::flock(fd_, (l == 2 ? LOCK_EX : LOCK_SH) | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    return rc == 0;
  };
  if (take(level)) {
    level_ = level;
    return true;
  }
  if (level_ == 0) {
    drop();
    return false;
  }
  // Converting a held lock is not atomic: after the failed attempt the old one may
  // be gone, so take it back (another process may hold it for a moment).
  for (int i = 0; i < 100; ++i) {
    if (take(level_)) return false;
    ::usleep(10000);
  }
  drop();
  return false;
}

bool ShareLock::acquire(bool exclusive) {
  const int needed = std::max(wanted(), exclusive ? 2 : 1);
  if (!lockTo(needed)) return false;
  (exclusive ? exclusive_ : shared_)++;
  return true;
}

void ShareLock::release(bool exclusive) {
  int& count = exclusive ? exclusive_ : shared_;
  if (count > 0) --count;
  // Downgrading from exclusive to shared cannot conflict with anyone.
  lockTo(wanted());
}

bool ShareLock::beginSolitary() { return lockTo(2); }

void ShareLock::endSolitary() { lockTo(wanted()); }

}  // namespace bv::sqlfile
