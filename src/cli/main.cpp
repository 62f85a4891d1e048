#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/usage_format.h"
#include "core/version.h"

namespace {

constexpr const char* kDescription =
    "Makes skins for the Harmoniquest music player as the Vorlune editor does: imports\n"
    "pictures, places parts, builds skin databases and unpacks them, and describes\n"
    "the files on the way.";

// "help" alone asks for the tool's help, "help COMMAND" for the command's.
std::vector<char*> WithHelpWords(int argc, char** argv) {
  static char helpFlag[] = "--help";
  std::vector<char*> args(argv, argv + argc);
  if (argc >= 2 && std::string_view(argv[1]) == "help") {
    args.erase(args.begin() + 1);
    args.insert(args.begin() + (argc >= 3 ? 2 : 1), helpFlag);
  }
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vorlune::cli;
  CLI::App tool{kDescription, "vorlune-cli"};
  UseVorluneUsage(tool);
  tool.set_version_flag("-V,--version", std::string("vorlune-cli ") + vorlune::kVersion,
                        "Name the version and exit");
  // In the order the help lists them; one line each.
  std::vector<Command> commands;
  commands.push_back(AddImportCommand(tool));
  commands.push_back(AddInfoCommand(tool));
  commands.push_back(AddPlaceCommand(tool));
  commands.push_back(AddRemoveCommand(tool));
  commands.push_back(AddBuildCommand(tool));
  commands.push_back(AddRenderCommand(tool));
  commands.push_back(AddAnimateCommand(tool));
  commands.push_back(AddUnpackCommand(tool));
  commands.push_back(AddCheckCommand(tool));
  for (const Command& command : commands) command.app->group("Commands");
  tool.footer("'vorlune-cli COMMAND --help' describes a command.");

  std::vector<char*> args = WithHelpWords(argc, argv);
  if (args.size() < 2) {
    std::cerr << tool.help();
    return 2;
  }
  const auto named = [&](const Command& command) { return command.app->get_name() == args[1]; };
  if (args[1][0] != '-' && std::none_of(commands.begin(), commands.end(), named)) {
    std::fprintf(stderr, "vorlune-cli: unknown command '%s'\n\n", args[1]);
    std::cerr << tool.help();
    return 2;
  }
  try {
    tool.parse(static_cast<int>(args.size()), args.data());
  } catch (const CLI::ParseError& error) {
    // Help and version exit with 0, every usage error with 2.
    return tool.exit(error) == 0 ? 0 : 2;
  }
  if (!tool.remaining(true).empty()) {
    std::cerr << UsageErrorText(tool, LeftOverProblem(tool.remaining(true)));
    return 2;
  }
  for (const Command& command : commands) {
    if (command.app->parsed()) return command.run();
  }
  std::cerr << UsageErrorText(tool, "a command is needed");
  return 2;
}
