#pragma once
// The share codes between stations: an flock on "<file>.lck" beside a table's
// file. A read/write open that lets others write takes it shared, one that denies
// others writing takes it exclusive, so the two exclude each other across
// processes. Opens within one layer count on one lock and never block each other.
// The lock never touches the database file itself: a POSIX lock there would
// silently drop SQLite's own locks on it.
#include <QString>

namespace bv::sqlfile {

class ShareLock {
 public:
  explicit ShareLock(QString lockPath) : path_(std::move(lockPath)) {}
  ~ShareLock();
  ShareLock(const ShareLock&) = delete;
  ShareLock& operator=(const ShareLock&) = delete;

  // Counts an open; false (and nothing counted) when another process holds the
  // lock in a conflicting way or the lock file cannot be made.
  bool acquire(bool exclusive);
  void release(bool exclusive);
  // Exclusive for a moment (a rebuild), whatever this layer holds; restores the
  // layer's own level afterwards with endSolitary().
  bool beginSolitary();
  void endSolitary();

 private:
  bool lockTo(int level);  // 0 none, 1 shared, 2 exclusive
  int wanted() const { return exclusive_ > 0 ? 2 : shared_ > 0 ? 1 : 0; }

  QString path_;
  int fd_ = -1;
  int level_ = 0;
  int shared_ = 0;
  int exclusive_ = 0;
};

}  // namespace bv::sqlfile
