#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "layout/skin_layout.h"

namespace vorlune::place_fixture {

struct CliRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// Runs vorlune-cli with the arguments. With a limit, the tool may write at most
// that many bytes to any file (and gets EFBIG, not a signal, beyond it).
CliRun RunCli(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit = {});

// A layout with a plain 910-byte-header background, as after an import.
SkinLayout ImportedLayout();

// Writes the project file of the layout.
void WriteProject(const std::filesystem::path& path, const SkinLayout& layout);

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A fresh, empty folder for one test.
std::filesystem::path FreshFolder(const std::string& name);

std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

}  // namespace vorlune::place_fixture
