#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/file_io.h"

namespace vorlune::cli {

// Each command gets its arguments after the command name and returns the exit
// status. Messages go to standard error, results to standard output.
using Arguments = std::vector<std::string>;

int RunImport(const Arguments& args);
int RunInfo(const Arguments& args);
int RunPlace(const Arguments& args);
int RunRemove(const Arguments& args);
int RunBuild(const Arguments& args);
int RunRender(const Arguments& args);
int RunAnimate(const Arguments& args);
int RunUnpack(const Arguments& args);
int RunCheck(const Arguments& args);

// The check command's work once its arguments are parsed.
struct CheckOptions {
  std::string file;
  bool json = false;    // print the findings as JSON
  bool strict = false;  // warnings fail too
};
int CheckSkinFileCommand(const CheckOptions& options);

// What `info` prints for each kind of file, from the bytes `info` read once;
// `json` selects machine-readable output.
int DescribeBmp(const std::string& path, std::span<const std::uint8_t> bytes, bool json);
int DescribePicture(const std::string& path, const InputFile& file, bool json, bool countColours);
int DescribeProject(const std::string& path, std::span<const std::uint8_t> bytes, bool json);
int DescribeSkinDatabase(const std::string& path, std::span<const std::uint8_t> bytes, bool json);

// True when args hold "--help" or "-h".
bool WantsHelp(const Arguments& args);

}  // namespace vorlune::cli
