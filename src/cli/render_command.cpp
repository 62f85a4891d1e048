#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/player_render.h"
#include "core/file_io.h"
#include "core/png_writer.h"
#include "project/project_file.h"
#include "skin/skin_renderer.h"

namespace vorlune::cli {

namespace {

constexpr const char* kUsage =
    "usage: vorlune-cli render FILE OUT.png [--scenario NAME] [--at SECONDS] [--set KEY=VALUE]...\n";

bool IsSkinDatabase(const std::vector<std::uint8_t>& b) {
  return b.size() >= 68 && std::string(b.begin() + 60, b.begin() + 68) == "DataVrln";
}

int Fail(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return 1;
}

}  // namespace

int RunRender(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kUsage, stdout);
    std::puts(
        "\nDraws a 320 x 320 picture and saves it as PNG:\n"
        "  a project (.hqd): the Create preview, the background with every placed part\n"
        "    that has colours, drawn from its mask in its colours;\n"
        "  a skin database (.pdb): the skin as the handheld shows it, the background\n"
        "    strips and each part's first state bitmap (index 0 transparent).\n"
        "The kind of file is told from its content. Exit status 0 when the picture was\n"
        "written, 1 when the file cannot be read or the picture cannot be saved.\n");
    std::puts(
        "\nWith player options the skin is drawn as the handheld shows it while music\n"
        "plays (any project is first made into its skin in memory):");
    PrintPlayerOptionsHelp("  --at SECONDS      the simulated time to draw, 0 by default, e.g. 2.5\n");
    return 0;
  }
  std::vector<std::string> paths;
  PlayerOptions player;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (TakesPlayerOption(arg, true)) {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "vorlune-cli render: %s needs a value\n%s", arg.c_str(), kUsage);
        return 2;
      }
      if (const Status parsed = ParsePlayerOption(player, arg, args[++i]); !parsed)
        return Fail(parsed.error().text);
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "vorlune-cli render: unknown option '%s'\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string& in = paths[0];
  const std::string& out = paths[1];
  // With no player option the picture stays the still one it always was.
  if (player.any()) return RenderPlayerPicture(in, out, player);

  const FileBytes file = ReadWholeFile(in);
  if (file.failure) {
    return Fail(*file.failure == ReadFailure::NotFound ? "Error : Cannot find " + in + "."
                                                       : "Error : Cannot open " + in + ".");
  }

  RgbImage picture;
  if (IsSkinDatabase(file.bytes)) {
    Result<RgbImage> rendered = RenderSkinDatabase(file.bytes);
    if (!rendered) return RefuseFile(in, rendered.error());
    picture = std::move(*rendered);
  } else {
    Result<SkinLayout> layout = ReadProjectFile(file.bytes);
    if (!layout) return RefuseFile(in, layout.error());
    picture = RenderLayoutPreview(*layout);
  }

  const std::vector<std::uint8_t> png = EncodePng(picture);
  if (const auto failure = WriteFileAtomically(out, png)) {
    return RefuseFile(out, {"Error : Cannot make png-file. (" + *failure + ")"});
  }
  return 0;
}

}  // namespace vorlune::cli
