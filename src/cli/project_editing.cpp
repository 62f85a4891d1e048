#include "cli/project_editing.h"

#include "cli/file_message.h"

namespace vorlune::cli {

bool LoadProject(SkinDocument& document, const std::string& path) {
  const Status loaded = document.LoadProject(path);
  if (!loaded) RefuseFile(path, loaded.error());
  return loaded.ok();
}

int SaveProject(SkinDocument& document, const std::string& path) {
  const Status saved = document.Save(path);
  return saved ? 0 : RefuseFile(path, saved.error());
}

}  // namespace vorlune::cli
