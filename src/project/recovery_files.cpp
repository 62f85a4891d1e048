#include "project/recovery_files.h"

#include <algorithm>
#include <system_error>

#include "core/file_io.h"
#include "project/project_file.h"
#include "project/project_storage.h"

namespace vorlune {

namespace {

constexpr std::string_view kPrefix = "editor-";
constexpr std::string_view kSuffix = ".hqd";

std::filesystem::path WithSuffix(const std::filesystem::path& copy, std::string_view suffix) {
  std::filesystem::path path = copy;
  path += std::string(suffix);
  return path;
}

}  // namespace

std::filesystem::path RecoveryFolder(const char* stateHome, const char* home) {
  std::filesystem::path base;
  if (stateHome != nullptr && *stateHome != '\0') {
    base = stateHome;
  } else {
    base = std::filesystem::path(home != nullptr ? home : ".") / ".local" / "state";
  }
  return base / "vorlune" / "recovery";
}

std::filesystem::path RecoveryCopyPath(const std::filesystem::path& folder, long long pid,
                                       unsigned long long stamp) {
  return folder /
         (std::string(kPrefix) + std::to_string(pid) + "-" + std::to_string(stamp) + std::string(kSuffix));
}

std::filesystem::path RecoveryNamePath(const std::filesystem::path& copy) {
  return WithSuffix(copy, ".name");
}

std::filesystem::path RecoveryLockPath(const std::filesystem::path& copy) {
  return WithSuffix(copy, ".lock");
}

std::vector<std::filesystem::path> ListRecoveryCopies(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> copies;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > kPrefix.size() + kSuffix.size() && name.starts_with(kPrefix) && name.ends_with(kSuffix))
      copies.push_back(it->path());
  }
  std::sort(copies.begin(), copies.end());
  return copies;
}

std::optional<std::string> WriteRecoveryCopy(const std::filesystem::path& copy, const SkinLayout& layout,
                                             std::string_view originalPath) {
  std::error_code ec;
  std::filesystem::create_directories(copy.parent_path(), ec);
  const std::vector<std::uint8_t> name(originalPath.begin(), originalPath.end());
  if (auto failure = WriteFileAtomically(RecoveryNamePath(copy), name)) return failure;
  return WriteFileAtomically(copy, WriteProjectFile(layout));
}

Result<RecoveredWork> ReadRecoveryCopy(const std::filesystem::path& copy) {
  Result<SkinLayout> layout = LoadProjectFile(copy);
  if (!layout) return layout.error();
  RecoveredWork work{std::move(*layout), {}};
  const FileBytes name = ReadWholeFile(RecoveryNamePath(copy), 1 << 16);
  if (!name.failure) work.originalPath.assign(name.bytes.begin(), name.bytes.end());
  return work;
}

void RemoveRecoveryCopy(const std::filesystem::path& copy) {
  std::error_code ec;
  std::filesystem::remove(copy, ec);
  std::filesystem::remove(RecoveryNamePath(copy), ec);
}

}  // namespace vorlune
