#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/project_editing.h"
#include "project/skin_unpacking.h"

namespace vorlune::cli {

namespace {

struct UnpackArguments {
  std::string skin;
  std::string project;
  bool force = false;
};

int RunUnpack(const UnpackArguments& args) {
  SkinDocument document;
  const Result<bool> loaded = document.LoadSkin(args.skin, [&] { return args.force; });
  if (!loaded) return RefuseFile(args.skin, loaded.error());
  if (!*loaded) {
    RefuseFile(args.skin, NotMadeByThisEditorMessage());
    std::fputs("vorlune-cli unpack: --force writes its project all the same.\n", stderr);
    return 1;
  }
  return SaveProject(document, args.project);
}

}  // namespace

Command AddUnpackCommand(CLI::App& tool) {
  auto args = std::make_shared<UnpackArguments>();
  CLI::App* command =
      tool.add_subcommand("unpack",
                          "Write the project a skin database was made from.\n\n"
                          "So that the skin can be edited again, the project holds its background and\n"
                          "palette, each placed part with its position and colours, and the database\n"
                          "title, author and version. Building the project again gives the same skin,\n"
                          "time stamps aside.");
  command->add_option("SKIN.pdb", args->skin, "the skin database")->required();
  command->add_option("OUT.hqd", args->project, "the project to write")->required();
  command->add_flag("--force", args->force,
                    "write the project of a skin this editor did not make, or of one\n"
                    "changed afterwards; it then builds a different skin");
  command->footer(
      "A file that is not a skin, or a damaged one, is refused. A skin this editor did not\n"
      "make, or one changed afterwards (its part pictures or palette differ from what the\n"
      "editor draws), is refused too unless --force is given. A refusal gives its message\n"
      "on standard error and exit status 1; no file is then created or changed.");
  return {command, [args] { return RunUnpack(*args); }};
}

}  // namespace vorlune::cli
