#pragma once

#include <cstdint>
#include <filesystem>
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

}  // namespace vorlune::testing
