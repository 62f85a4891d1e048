#include "document/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace vorlune {

FileLock::FileLock(FileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
  }
  return *this;
}

FileLock FileLock::TryLock(const std::filesystem::path& path) {
  FileLock lock;
  // Not inherited by programs the editor starts, which could outlive it.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return lock;
  struct stat opened {};
  struct stat named {};
  // A holder removes the file before it lets go: a lock taken on a file no
  // longer under that name would be a lock on nothing.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 || ::stat(path.c_str(), &named) != 0 ||
      opened.st_ino != named.st_ino || opened.st_dev != named.st_dev) {
    ::close(fd);
    return lock;
  }
  lock.fd_ = fd;
  lock.path_ = path;
  return lock;
}

void FileLock::Release() {
  if (fd_ < 0) return;
  ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vorlune
