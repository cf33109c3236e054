#pragma once
// Makes a file or a directory unwritable for as long as it lives: by its
// permissions, or, for root (whom permissions do not stop), by the file
// system's immutable flag. made() tells whether either worked here.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>

namespace bv::test {

class UnwritablePath {
 public:
  enum class Kind { File, Directory };

  UnwritablePath(const QString& path, Kind kind) : path_(path.toLocal8Bit()), kind_(kind) {
    if (geteuid() != 0) {
      made_ = chmod(path_.constData(), kind_ == Kind::File ? 0444 : 0555) == 0;
      return;
    }
    fd_ = ::open(path_.constData(), kind_ == Kind::File ? O_RDONLY : O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd_ >= 0 && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      made_ = ioctl(fd_, FS_IOC_SETFLAGS, &flags) == 0;
    }
  }
  ~UnwritablePath() {
    if (geteuid() != 0) {
      chmod(path_.constData(), kind_ == Kind::File ? 0644 : 0755);
    } else if (fd_ >= 0) {
      int flags = 0;
      if (made_ && ioctl(fd_, FS_IOC_GETFLAGS, &flags) == 0) {
        flags &= ~FS_IMMUTABLE_FL;
        ioctl(fd_, FS_IOC_SETFLAGS, &flags);
      }
      ::close(fd_);
    }
  }
  UnwritablePath(const UnwritablePath&) = delete;
  UnwritablePath& operator=(const UnwritablePath&) = delete;
  bool made() const { return made_; }

 private:
  QByteArray path_;
  Kind kind_;
  int fd_ = -1;
  bool made_ = false;
};

}  // namespace bv::test
