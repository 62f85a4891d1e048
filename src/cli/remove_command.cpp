#include <cstdio>

#include "cli/commands.h"
#include "cli/project_editing.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage = "usage: vorlune-cli remove PROJECT.hqd KIND\n";

constexpr const char* kHelp =
    "usage: vorlune-cli remove PROJECT.hqd KIND\n\n"
    "Takes a placed part off the project's background and saves the project. The part\n"
    "keeps its colours, so placing the same kind again offers them. KIND is 1..30 or a\n"
    "kind name (Play, LevelBarH, ...). A kind that is not placed is refused (exit 1,\n"
    "file unchanged).\n";

}  // namespace

int RunRemove(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (args.size() != 2 || args[0].starts_with("--") || args[1].starts_with("--")) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const auto kind = ParseKindArgument("remove", args[1]);
  if (!kind) return 2;
  auto layout = LoadProjectForEditing(args[0]);
  if (!layout) return 1;
  const std::string name(KindInfo(*kind).name);
  if (!layout->placed(*kind)) return Refuse({"Error : " + name + " is not placed."});

  layout->part(*kind).x = -1;
  layout->part(*kind).y = -1;
  const int status = SaveEditedProject(args[0], *layout);
  if (status == 0)
    std::printf("removed %s (kind %d); placed count %u\n", name.c_str(), *kind, layout->placedCount);
  return status;
}

}  // namespace vorlune::cli
