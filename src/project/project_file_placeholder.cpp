#include "project/project_file.h"

// Stand-ins until the project file is in.
namespace vorlune {

std::vector<std::uint8_t> WriteProjectFile(const SkinLayout& layout) {
  (void)layout;
  return {};
}

Result<SkinLayout> ReadProjectFile(std::span<const std::uint8_t> file) {
  (void)file;
  return UserMessage{"Error : project files cannot be read yet."};
}

}  // namespace vorlune
