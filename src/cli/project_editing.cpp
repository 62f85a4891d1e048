#include "cli/project_editing.h"

#include <cstdio>

#include "cli/file_message.h"
#include "project/project_storage.h"

namespace vorlune::cli {

int Refuse(const UserMessage& message) {
  std::fprintf(stderr, "%s\n", message.text.c_str());
  return 1;
}

std::optional<SkinLayout> LoadProjectForEditing(const std::string& path) {
  Result<SkinLayout> loaded = LoadProjectFile(path);
  if (!loaded) {
    RefuseFile(path, loaded.error());
    return std::nullopt;
  }
  return std::move(*loaded);
}

int SaveEditedProject(const std::string& path, SkinLayout& layout) {
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
  const Status saved = SaveProjectFile(path, layout);
  return saved ? 0 : RefuseFile(path, saved.error());
}

}  // namespace vorlune::cli
