#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vorlune::testing {

// A fresh, empty folder under the system's temporary folder, named after the
// caller and this process so that tests running side by side stay apart.
std::filesystem::path FreshFolder(const std::string& name);

// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
std::string ReadText(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Runs `body` in a child process that may write at most `bytes` to any file
// (a write beyond fails with EFBIG rather than a signal); true when it returned true.
bool InChildWithFileSizeLimit(std::uint64_t bytes, const std::function<bool()>& body);

}  // namespace vorlune::testing
