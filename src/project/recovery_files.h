#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// Recovery copies: after every change an editor keeps its layout, in the
// project file format, in a file of its own, so that the work survives a crash
// or a power cut. Beside each copy lie the original project path
// (copy + ".name") and the lock its editor holds while it runs (copy + ".lock").

// $XDG_STATE_HOME/vorlune/recovery, or ~/.local/state/vorlune/recovery when
// the variable is unset or empty (null arguments count as unset).
std::filesystem::path RecoveryFolder(const char* stateHome, const char* home);

// The copy of the editor with process id `pid` started at `stamp`: two
// editors running at once never share one.
std::filesystem::path RecoveryCopyPath(const std::filesystem::path& folder, long long pid,
                                       unsigned long long stamp);
std::filesystem::path RecoveryNamePath(const std::filesystem::path& copy);
std::filesystem::path RecoveryLockPath(const std::filesystem::path& copy);

// Every recovery copy in the folder, in name order.
std::vector<std::filesystem::path> ListRecoveryCopies(const std::filesystem::path& folder);

// Writes the original path, then the copy atomically, so that a crash during
// the write leaves the previous copy whole. The reason on failure.
std::optional<std::string> WriteRecoveryCopy(const std::filesystem::path& copy, const SkinLayout& layout,
                                             std::string_view originalPath);

struct RecoveredWork {
  SkinLayout layout;
  std::string originalPath;  // empty for work never saved or loaded
};

// Reads a copy with the checks of the Load command.
Result<RecoveredWork> ReadRecoveryCopy(const std::filesystem::path& copy);

// Removes a copy and its original path; its lock belongs to whoever holds it.
void RemoveRecoveryCopy(const std::filesystem::path& copy);

}  // namespace vorlune
