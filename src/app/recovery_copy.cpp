#include "recovery_copy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLockFile>
#include <cstdlib>

#include "project/recovery_files.h"

namespace vorlune {

namespace {

QString LockName(const std::filesystem::path& copy) {
  return QString::fromStdString(RecoveryLockPath(copy).string());
}

}  // namespace

RecoveryCopy::RecoveryCopy() = default;
RecoveryCopy::~RecoveryCopy() = default;

std::filesystem::path RecoveryCopy::Folder() {
  return RecoveryFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

bool RecoveryCopy::Claim() {
  if (lock_) return true;
  std::error_code ec;
  std::filesystem::create_directories(Folder(), ec);
  auto stamp = static_cast<unsigned long long>(QDateTime::currentMSecsSinceEpoch());
  for (int attempt = 0; attempt < 100; ++attempt, ++stamp) {
    const std::filesystem::path copy = RecoveryCopyPath(Folder(), QCoreApplication::applicationPid(), stamp);
    if (std::filesystem::exists(copy, ec)) continue;
    auto lock = std::make_unique<QLockFile>(LockName(copy));
    lock->setStaleLockTime(0);  // held for the editor's whole run, however long
    if (!lock->tryLock(0)) continue;
    copy_ = copy;
    lock_ = std::move(lock);
    return true;
  }
  return false;
}

void RecoveryCopy::Write(const SkinLayout& layout, const QString& projectPath) {
  if (!Claim()) return;
  // A copy that cannot be written is no reason to stop editing; the work is
  // still in the window.
  written_ = !WriteRecoveryCopy(copy_, layout, projectPath.toStdString()).has_value();
}

void RecoveryCopy::Remove() {
  if (!lock_) return;
  RemoveRecoveryCopy(copy_);
  written_ = false;
  lock_->unlock();
  lock_.reset();
}

std::vector<RecoveryCopy::LeftBehind> RecoveryCopy::FindLeftBehind() const {
  std::vector<LeftBehind> found;
  for (const std::filesystem::path& copy : ListRecoveryCopies(Folder())) {
    if (lock_ && copy == copy_) continue;
    auto lock = std::make_shared<QLockFile>(LockName(copy));
    lock->setStaleLockTime(0);
    // Taken only when no running editor holds it: its owner ended without closing.
    if (lock->tryLock(0)) found.push_back({copy, std::move(lock)});
  }
  return found;
}

}  // namespace vorlune
