#pragma once
// A SQLite file system that passes every call to the default one and fails one
// chosen write or sync with an input/output error: a disk failing at a chosen
// point of a commit, repeatably. While a FaultyVfs lives it is the default file
// system, so every connection opened meanwhile goes through it.
//
// Counted points, in the order they happen: each write and each sync of any
// file (databases, journals, the super-journal), and each directory sync after
// a file's deletion. A directory sync that fails comes after the file is gone,
// as it does on a real disk.
#include <QString>
#include <sqlite3.h>

#include <cstring>

namespace bv::test {

class FaultyVfs {
 public:
  FaultyVfs() {
    real_ = sqlite3_vfs_find(nullptr);
    vfs_ = *real_;
    vfs_.szOsFile = static_cast<int>(sizeof(File)) + real_->szOsFile;
    vfs_.zName = "bravent-faulty";
    vfs_.pAppData = this;
    vfs_.xOpen = &FaultyVfs::open;
    vfs_.xDelete = &FaultyVfs::remove;
    instance() = this;
    sqlite3_vfs_register(&vfs_, 1);
  }
  ~FaultyVfs() {
    sqlite3_vfs_unregister(&vfs_);
    sqlite3_vfs_register(real_, 1);
    instance() = nullptr;
  }
  FaultyVfs(const FaultyVfs&) = delete;
  FaultyVfs& operator=(const FaultyVfs&) = delete;

  // Fails the n-th counted point from now (1 = the next one); 0 fails none.
  void failAt(int n) {
    points_ = 0;
    failAt_ = n;
    failed_ = false;
  }
  // Fails nothing more; failed() still tells whether the chosen point came.
  void disarm() { failAt_ = 0; }
  // Fails the directory sync after the super-journal of a transaction over
  // several files is deleted: just past the commit point.
  void failSuperJournalDirectorySync() {
    failAt(0);
    failSuperJournal_ = true;
  }
  bool failed() const { return failed_; }
  int points() const { return points_; }

 private:
  struct File {
    sqlite3_file base;
    sqlite3_file* real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
  };

  static FaultyVfs*& instance() {
    static FaultyVfs* vfs = nullptr;
    return vfs;
  }
  // Is this point the one to fail?
  bool strike() {
    ++points_;
    if (failAt_ == 0 || points_ != failAt_) return false;
    failed_ = true;
    return true;
  }

  static sqlite3_file* real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real(); }
  static int close(sqlite3_file* f) { return real(f)->pMethods->xClose(real(f)); }
  static int read(sqlite3_file* f, void* b, int n, sqlite3_int64 o) { return real(f)->pMethods->xRead(real(f), b, n, o); }
  static int write(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
    if (instance()->strike()) return SQLITE_IOERR_WRITE;
    return real(f)->pMethods->xWrite(real(f), b, n, o);
  }
  static int truncate(sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); }
  static int sync(sqlite3_file* f, int flags) {
    if (instance()->strike()) return SQLITE_IOERR_FSYNC;
    return real(f)->pMethods->xSync(real(f), flags);
  }
  static int fileSize(sqlite3_file* f, sqlite3_int64* size) { return real(f)->pMethods->xFileSize(real(f), size); }
  static int lock(sqlite3_file* f, int l) { return real(f)->pMethods->xLock(real(f), l); }
  static int unlock(sqlite3_file* f, int l) { return real(f)->pMethods->xUnlock(real(f), l); }
  static int reserved(sqlite3_file* f, int* out) { return real(f)->pMethods->xCheckReservedLock(real(f), out); }
  static int control(sqlite3_file* f, int op, void* arg) { return real(f)->pMethods->xFileControl(real(f), op, arg); }
  static int sectorSize(sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); }
  static int device(sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }

  static const sqlite3_io_methods* methods() {
    // Version 1: no shared memory and no memory mapping, which the rollback
    // journal does not use; every write goes through write().
    static const sqlite3_io_methods m = {1,      &close,    &read,        &write,  &truncate, &sync,
                                         &fileSize, &lock,  &unlock,      &reserved, &control, &sectorSize,
                                         &device};
    return &m;
  }

  static int open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
    auto* self = static_cast<FaultyVfs*>(vfs->pAppData);
    auto* file = reinterpret_cast<File*>(f);
    file->base.pMethods = nullptr;
    const int rc = self->real_->xOpen(self->real_, name, file->real(), flags, outFlags);
    if (file->real()->pMethods) file->base.pMethods = methods();
    return rc;
  }
  static int remove(sqlite3_vfs* vfs, const char* name, int syncDirectory) {
    auto* self = static_cast<FaultyVfs*>(vfs->pAppData);
    const int rc = self->real_->xDelete(self->real_, name, syncDirectory);
    if (rc != SQLITE_OK) return rc;
    const bool superJournal = std::strstr(name, "-mj") != nullptr;
    if (self->failSuperJournal_ && superJournal) {
      self->failSuperJournal_ = false;
      self->failed_ = true;
      return SQLITE_IOERR_DIR_FSYNC;
    }
    if (syncDirectory && self->strike()) return SQLITE_IOERR_DIR_FSYNC;
    return rc;
  }

  sqlite3_vfs* real_ = nullptr;
  sqlite3_vfs vfs_{};
  int points_ = 0;
  int failAt_ = 0;
  bool failed_ = false;
  bool failSuperJournal_ = false;
};

}  // namespace bv::test
