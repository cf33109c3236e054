#pragma once
// An exclusive lock on a small lock file beside a shared file, held for the
// lifetime of the object. It is an flock on its own file, so it excludes other
// processes and other open handles of this process alike, and never touches the
// shared file itself (which is replaced by renaming while the lock is held).
#include <QString>

namespace bv {

class FileLock {
 public:
  // Waits up to `timeoutMs` for the lock; isLocked() tells whether it was taken.
  explicit FileLock(const QString& lockPath, int timeoutMs = 10000);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool isLocked() const { return locked_; }

 private:
  int fd_ = -1;
  bool locked_ = false;
};

}  // namespace bv
