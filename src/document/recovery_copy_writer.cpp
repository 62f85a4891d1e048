#include "document/recovery_copy_writer.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <system_error>

#include "project/recovery_files.h"

namespace vorlune {

RecoveryCopyWriter::RecoveryCopyWriter() : folder_(DefaultFolder()) {}

RecoveryCopyWriter::RecoveryCopyWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path RecoveryCopyWriter::DefaultFolder() {
  return RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool RecoveryCopyWriter::Claim() {
  if (lock_.held()) return true;
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  auto stamp = static_cast<unsigned long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                   std::chrono::system_clock::now().time_since_epoch())
                                                   .count());
  for (int attempt = 0; attempt < 100; ++attempt, ++stamp) {
    const std::filesystem::path copy = RecoveryCopyPath(folder_, ::getpid(), stamp);
    if (std::filesystem::exists(copy, ec)) continue;
    FileLock lock = FileLock::TryLock(RecoveryLockPath(copy));
    if (!lock.held()) continue;
    copy_ = copy;
    lock_ = std::move(lock);
    return true;
  }
  return false;
}

void RecoveryCopyWriter::Write(const SkinLayout& layout, std::string_view projectPath) {
  if (!Claim()) return;
  written_ = !WriteRecoveryCopy(copy_, layout, projectPath).has_value();
}

void RecoveryCopyWriter::Remove() {
  if (!lock_.held()) return;
  RemoveRecoveryCopy(copy_);
  written_ = false;
  lock_.Release();
}

std::vector<LeftBehindCopy> FindLeftBehindCopies(const std::filesystem::path& folder) {
  std::vector<LeftBehindCopy> found;
  for (const std::filesystem::path& copy : ListRecoveryCopies(folder)) {
    // Taken only when no running editor holds it: its owner ended without closing.
    FileLock lock = FileLock::TryLock(RecoveryLockPath(copy));
    if (lock.held()) found.push_back({copy, std::move(lock)});
  }
  return found;
}

}  // namespace vorlune
