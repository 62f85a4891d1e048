#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace vorlune::cli {

// The tool's help and usage, generated from the CLI11 definitions of its
// commands: "usage: vorlune-cli build PROJECT.hqd OUT.pdb [--name TEXT] ...",
// the description, the arguments and options, the footer. The tool's own help
// lists each command with the first line of its description.
class UsageFormatter : public CLI::Formatter {
 public:
  UsageFormatter();
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override;
  std::string make_usage(const CLI::App* app, std::string name) const override;
  std::string make_subcommand(const CLI::App* command) const override;
  std::string make_option_opts(const CLI::Option* option) const override;
};

// Sets the formatter and the message of a usage error; lets arguments left
// over through, for LeftOverProblem. Call before adding commands.
void UseVorluneUsage(CLI::App& tool);

// The text of a usage error: "vorlune-cli build: PROBLEM", then the usage of
// the command chosen (or the tool's) and where to read more.
std::string UsageErrorText(const CLI::App& tool, const std::string& problem);

// What is wrong with arguments left over: unknown options, arguments too many.
std::string LeftOverProblem(const std::vector<std::string>& extras);

}  // namespace vorlune::cli
