#include "cli/player_skin_input.h"

#include "cli/file_message.h"
#include "core/file_io.h"
#include "player/player_skin.h"
#include "project/project_file.h"

namespace vorlune::cli {

std::optional<std::vector<std::uint8_t>> ReadSkinForPlayer(const std::string& path) {
  FileBytes file = ReadWholeFile(path);
  if (file.failure) {
    RefuseFile(path, {*file.failure == ReadFailure::NotFound ? "Error : Cannot find " + path + "."
                                                             : "Error : Cannot open " + path + "."});
    return std::nullopt;
  }
  const bool skin =
      file.bytes.size() >= 68 && std::string(file.bytes.begin() + 60, file.bytes.begin() + 68) == "DataVrln";
  if (skin) return std::move(file.bytes);
  const Result<SkinLayout> layout = ReadProjectFile(file.bytes);
  if (!layout) {
    RefuseFile(path, layout.error());
    return std::nullopt;
  }
  Result<std::vector<std::uint8_t>> bytes = PlayerSkinBytes(*layout);
  if (!bytes) {
    RefuseFile(path, bytes.error());
    return std::nullopt;
  }
  return std::move(*bytes);
}

}  // namespace vorlune::cli
