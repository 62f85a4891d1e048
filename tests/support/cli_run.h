#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vorlune::testing {

struct CliRun {
  int status = -1;  // exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

struct CliOptions {
  std::filesystem::path folder;                         // working folder; empty: this process's
  std::vector<std::string> environment;                 // NAME=value pairs added for the run
  std::optional<std::uint64_t> fileSizeLimit;           // bytes the tool may write to any file
  std::optional<std::uint64_t> addressSpaceLimit = {};  // bytes of memory the tool may map
};

// Runs vorlune-cli with the arguments, without SOURCE_DATE_EPOCH unless given.
// Beyond a file size limit writes fail with EFBIG rather than a signal.
CliRun RunCli(const std::vector<std::string>& args, const CliOptions& options = {});

}  // namespace vorlune::testing
