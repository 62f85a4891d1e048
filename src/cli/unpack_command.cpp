#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "core/file_io.h"
#include "project/project_file.h"
#include "project/skin_unpacking.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage = "usage: vorlune-cli unpack SKIN.pdb OUT.hqd [--force]\n";

constexpr const char* kHelp =
    "usage: vorlune-cli unpack SKIN.pdb OUT.hqd [--force]\n\n"
    "Writes the project a skin database was made from, so that the skin can be edited\n"
    "again: the background and its palette, each placed part with its position and\n"
    "colours, and the database title, author and version. Building the project again\n"
    "gives the same skin, time stamps aside.\n\n"
    "A file that is not a skin, or a damaged one, is refused. A skin this editor did not\n"
    "make, or one changed afterwards (its part pictures or palette differ from what the\n"
    "editor draws), is refused too unless --force is given; its project then builds a\n"
    "different skin. A refusal gives its message on standard error and exit status 1;\n"
    "no file is then created or changed.\n";

}  // namespace

int RunUnpack(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  bool force = false;
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--force") {
      force = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "vorlune-cli unpack: unknown option '%s'\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const Result<UnpackedSkin> unpacked = UnpackSkinFile(paths[0]);
  if (!unpacked) {
    return RefuseFile(paths[0], unpacked.error());
  }
  if (!unpacked->madeByThisEditor && !force) {
    PrintFileMessage(paths[0], NotMadeByThisEditorMessage().text);
    std::fputs("vorlune-cli unpack: --force writes its project all the same.\n", stderr);
    return 1;
  }
  if (const auto failure = WriteFileAtomically(paths[1], WriteProjectFile(unpacked->layout))) {
    return RefuseFile(paths[1], {"Error : Cannot make hqd-file. (" + *failure + ")"});
  }
  return 0;
}

}  // namespace vorlune::cli
