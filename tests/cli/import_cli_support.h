#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace vorlune::import_cli {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs vorlune-cli with the arguments (quoted for the shell) in `folder`.
CliRun RunCli(const std::filesystem::path& folder, const std::vector<std::string>& args);

// A fresh empty folder for one test, removed by the caller's fixture.
std::filesystem::path FreshFolder(const std::string& name);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace vorlune::import_cli
