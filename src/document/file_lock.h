#pragma once

#include <filesystem>

namespace vorlune {

// An exclusive flock(2) on a file, held from TryLock until Release or the
// destructor. The kernel drops it when the process ends in any way, so a lock
// that can be taken tells that its last holder is gone. Two FileLocks of one
// process on one file exclude each other as two processes do.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Creates the file when missing and takes its lock without waiting. None
  // when another holder has it or the file cannot be opened.
  static FileLock TryLock(const std::filesystem::path& path);

  bool held() const { return fd_ >= 0; }
  const std::filesystem::path& path() const { return path_; }

  // Removes the file, then lets the lock go; nothing when none is held.
  void Release();

 private:
  int fd_ = -1;
  std::filesystem::path path_;
};

}  // namespace vorlune
