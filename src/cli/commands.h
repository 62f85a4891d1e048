#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "core/file_io.h"

namespace CLI {
class App;
}

namespace vorlune::cli {

// A command of the tool: its part of the command line (arguments, options and
// help, all defined once with CLI11) and what it does once they are parsed.
// `run` returns the exit status; messages go to standard error, results to
// standard output.
struct Command {
  CLI::App* app;
  std::function<int()> run;
};

// Each command adds itself to the tool in its own file.
Command AddImportCommand(CLI::App& tool);
Command AddInfoCommand(CLI::App& tool);
Command AddPlaceCommand(CLI::App& tool);
Command AddRemoveCommand(CLI::App& tool);
Command AddBuildCommand(CLI::App& tool);
Command AddRenderCommand(CLI::App& tool);
Command AddAnimateCommand(CLI::App& tool);
Command AddUnpackCommand(CLI::App& tool);
Command AddCheckCommand(CLI::App& tool);

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

}  // namespace vorlune::cli
