#include "project/project_storage.h"

#include "core/file_io.h"
#include "project/project_file.h"
#include "project/project_file_format.h"
#include "project/project_messages.h"

namespace vorlune {

Status SaveProjectFile(const std::filesystem::path& path, const SkinLayout& layout) {
  if (!layout.backgroundLoaded) return SaveNeedsBackgroundMessage();
  const std::vector<std::uint8_t> bytes = WriteProjectFile(layout);
  if (WriteFileAtomically(path, bytes)) return CannotMakeProjectFileMessage();
  return Done{};
}

Result<SkinLayout> LoadProjectFile(const std::filesystem::path& path) {
  // A longer file than any valid project is read only far enough to refuse it.
  const std::size_t longest = project_format::kBytesBesideHeader + project_format::kMaxHeaderLength;
  const FileBytes file = ReadWholeFile(path, longest);
  if (file.failure) return ProjectReadFailureMessage(*file.failure);
  return ReadProjectFile(file.bytes);
}

}  // namespace vorlune
