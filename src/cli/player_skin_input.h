#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlune::cli {

// The skin database bytes the player shows for a file: a skin (.pdb) as it
// is, a project (.hqd) made into its skin in memory. The kind of file is told
// from its content. None after printing why the file cannot be used.
std::optional<std::vector<std::uint8_t>> ReadSkinForPlayer(const std::string& path);

}  // namespace vorlune::cli
