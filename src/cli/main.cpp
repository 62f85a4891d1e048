#include <cstdio>
#include <string_view>

#include "cli/commands.h"
#include "core/version.h"

namespace {

struct Command {
  std::string_view name;
  std::string_view summary;
  int (*run)(const vorlune::cli::Arguments&);
};

constexpr Command kCommands[] = {
    {"import",
     "import IN OUT.hqd [--fit F] [--reduce R] [--dither D] [--matte C] [--reduced-bmp FILE]\n"
     "                                               make a project from a picture",
     vorlune::cli::RunImport},
    {"info", "info FILE [--json]                           describe a picture, .hqd or .pdb",
     vorlune::cli::RunInfo},
    {"place", "place PROJECT.hqd KIND X Y [--colors C0,C1,C2]  place a part", vorlune::cli::RunPlace},
    {"remove", "remove PROJECT.hqd KIND                      remove a placed part", vorlune::cli::RunRemove},
    {"build", "build PROJECT.hqd OUT.pdb [--name T] [--author A] [--version V] [--time S]",
     vorlune::cli::RunBuild},
    {"render",
     "render FILE OUT.png [--scenario NAME] [--at SECONDS] [--set KEY=VALUE]...\n"
     "                                               picture of a .hqd or .pdb",
     vorlune::cli::RunRender},
    {"animate",
     "animate FILE OUT.gif [--scenario NAME] [--seconds S] [--fps F] [--scale N] [--set K=V]\n"
     "                                               animated GIF of the skin while music plays",
     vorlune::cli::RunAnimate},
    {"unpack", "unpack SKIN.pdb OUT.hqd [--force]            the project a skin was made from",
     vorlune::cli::RunUnpack},
    {"check", "check FILE [--json] [--strict]               errors and hard-to-see colours of a .hqd or .pdb",
     vorlune::cli::RunCheck},
};

void PrintUsage(std::FILE* to) {
  std::fputs("usage: vorlune-cli COMMAND ARGS...\n\ncommands:\n", to);
  for (const auto& command : kCommands)
    std::fprintf(to, "  %.*s\n", int(command.summary.size()), command.summary.data());
  std::fputs(
      "\n'vorlune-cli COMMAND --help' describes a command; 'vorlune-cli --version' names the version.\n", to);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  const std::string_view name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return 0;
  }
  if (name == "--version" || name == "-V") {
    std::printf("vorlune-cli %s\n", vorlune::kVersion);
    return 0;
  }
  for (const auto& command : kCommands) {
    if (command.name == name) return command.run(vorlune::cli::Arguments(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "vorlune-cli: unknown command '%s'\n\n", argv[1]);
  PrintUsage(stderr);
  return 2;
}
