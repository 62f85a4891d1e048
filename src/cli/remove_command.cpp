#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/argument_checks.h"
#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/project_editing.h"

namespace vorlune::cli {

namespace {

struct RemoveArguments {
  std::string project;
  std::string kind;
};

int RunRemove(const RemoveArguments& args) {
  const PartKind kind = KindOf(args.kind);
  SkinDocument document;
  if (!LoadProject(document, args.project)) return 1;
  if (const Status removed = document.RemovePart(kind); !removed) return Refuse(removed.error());
  const int status = SaveProject(document, args.project);
  if (status == 0) {
    std::printf("removed %s (kind %d); placed count %u\n", std::string(KindInfo(kind).name).c_str(), kind,
                document.Layout().placedCount);
  }
  return status;
}

}  // namespace

Command AddRemoveCommand(CLI::App& tool) {
  auto args = std::make_shared<RemoveArguments>();
  CLI::App* command =
      tool.add_subcommand("remove",
                          "Remove a placed part from a project.\n\n"
                          "Takes the part off the project's background and saves the project.\n"
                          "The part keeps its colours, so placing the same kind again offers them.");
  command->add_option("PROJECT.hqd", args->project, "the project, changed in place")->required();
  command->add_option("KIND", args->kind, "1..30 or a kind name (Play, LevelBarH, ...)")
      ->required()
      ->check(PartKindArgument());
  command->footer("A kind that is not placed is refused (exit 1, file unchanged).");
  return {command, [args] { return RunRemove(*args); }};
}

}  // namespace vorlune::cli
