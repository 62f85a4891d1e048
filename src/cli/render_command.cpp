#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>
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

struct RenderArguments {
  std::string in;
  std::string out;
  PlayerOptionTexts player;
};

bool IsSkinDatabase(const std::vector<std::uint8_t>& b) {
  return b.size() >= 68 && std::string(b.begin() + 60, b.begin() + 68) == "DataVrln";
}

int Fail(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return 1;
}

int RunRender(const RenderArguments& args) {
  const std::string& in = args.in;
  const std::string& out = args.out;
  PlayerOptions player;
  if (const Status read = ReadPlayerOptions(args.player, player); !read) return Fail(read.error().text);
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

}  // namespace

Command AddRenderCommand(CLI::App& tool) {
  auto args = std::make_shared<RenderArguments>();
  CLI::App* command =
      tool.add_subcommand("render",
                          "Draw a project or a skin database as a PNG picture.\n\n"
                          "Draws a 320 x 320 picture and saves it as PNG:\n"
                          "  a project (.hqd): the Create preview, the background with every placed part\n"
                          "    that has colours, drawn from its mask in its colours;\n"
                          "  a skin database (.pdb): the skin as the handheld shows it, the background\n"
                          "    strips and each part's first state bitmap (index 0 transparent).\n"
                          "The kind of file is told from its content.\n\n"
                          "With player options the skin is drawn as the handheld shows it while music\n"
                          "plays (any project is first made into its skin in memory).");
  command->add_option("FILE", args->in, "the project or skin database")->required();
  command->add_option("OUT.png", args->out, "the picture to write")->required();
  AddPlayerOptions(*command, args->player, true);
  command->footer(
      "Exit status 0 when the picture was written, 1 when the file cannot be read or\n"
      "the picture cannot be saved.\n" +
      std::string(kPlayerRefusalNote));
  return {command, [args] { return RunRender(*args); }};
}

}  // namespace vorlune::cli
