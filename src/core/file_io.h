#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vorlune {

// Why a whole-file read failed; each command turns it into its own message.
enum class ReadFailure { NotFound, CannotOpen };

struct FileBytes {
  std::vector<std::uint8_t> bytes;
  std::optional<ReadFailure> failure;  // set when bytes could not be read
};

// Reads a whole file, at most `limit` bytes (a larger file yields its first
// `limit` bytes plus one, so callers can tell it is too long).
FileBytes ReadWholeFile(const std::filesystem::path& path, std::size_t limit = 64u << 20);

// Writes `bytes` to a temporary file beside `target`, checks every write and
// the close, then renames it over `target`. On any failure the temporary file
// is removed, `target` is left as it was, and the reason is returned.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& target,
                                               std::span<const std::uint8_t> bytes);

}  // namespace vorlune
