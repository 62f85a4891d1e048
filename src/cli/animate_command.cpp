#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "cli/commands.h"
#include "cli/file_message.h"
#include "cli/player_options.h"
#include "cli/player_render.h"
#include "cli/player_skin_input.h"
#include "core/file_io.h"
#include "player/animated_gif.h"
#include "player/player_simulator.h"

namespace vorlune::cli {

namespace {

constexpr std::int64_t kMaxMs = 60 * 1000;
constexpr int kMaxFps = 50;

struct AnimateOptions {
  std::string in;
  std::string out;
  PlayerOptions player;
  std::int64_t ms = 5000;
  int fps = 10;
  int scale = 1;
};

// The arguments as typed; their values are checked once the line is read.
struct AnimateArguments {
  std::string in;
  std::string out;
  PlayerOptionTexts player;
  std::optional<std::string> seconds;
  std::optional<std::string> fps;
  std::optional<std::string> scale;
};

int Refuse(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return 1;
}

std::optional<int> SmallNumber(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  const int value = std::stoi(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

// The options of the arguments; the exit status 1 after printing the refusal
// of a bad value.
std::variant<AnimateOptions, int> Parse(const AnimateArguments& args) {
  AnimateOptions options;
  options.in = args.in;
  options.out = args.out;
  options.player.scenario = "playing";
  if (const Status read = ReadPlayerOptions(args.player, options.player); !read)
    return Refuse(read.error().text);
  if (args.seconds) {
    const std::optional<std::int64_t> ms = ParseSecondsAsMs(*args.seconds, kMaxMs);
    if (!ms || *ms == 0)
      return Refuse("Error : --seconds takes seconds above 0, up to 60, not '" + *args.seconds + "'.");
    options.ms = *ms;
  }
  if (args.fps) {
    const std::optional<int> fps = SmallNumber(*args.fps, 1, kMaxFps);
    if (!fps)
      return Refuse("Error : --fps takes a whole number of frames a second from 1 to 50, not '" + *args.fps +
                    "'.");
    options.fps = *fps;
  }
  if (args.scale) {
    const std::optional<int> scale = SmallNumber(*args.scale, 1, 4);
    if (!scale) return Refuse("Error : --scale takes 1, 2, 3 or 4, not '" + *args.scale + "'.");
    options.scale = *scale;
  }
  return options;
}

int RunAnimate(const AnimateArguments& args) {
  const std::variant<AnimateOptions, int> parsed = Parse(args);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const AnimateOptions& options = std::get<AnimateOptions>(parsed);

  const std::optional<std::vector<std::uint8_t>> skin = ReadSkinForPlayer(options.in);
  if (!skin) return 1;
  PlayerSimulator simulator;
  if (const Status set = simulator.SetSkin(*skin); !set) return RefuseFile(options.in, set.error());

  // round(S x F) frames, at least one.
  const std::int64_t frames = std::max<std::int64_t>(1, (options.ms * options.fps + 500) / 1000);
  const IndexedFrame* frame = nullptr;
  std::optional<AnimatedGifEncoder> gif;
  for (std::int64_t i = 0; i < frames; ++i) {
    const std::int64_t ms = i * 1000 / options.fps;
    frame = &simulator.Draw(PlayerStateAt(options.player, ms), ms);
    if (!gif) gif.emplace(frame->palette, options.scale);
    if (const Status added = gif->Add(*frame, FrameDelayCentiseconds(static_cast<int>(i), options.fps));
        !added)
      return RefuseFile(options.out, added.error());
  }
  const Result<std::vector<std::uint8_t>> bytes = gif->Finish();
  if (!bytes) return RefuseFile(options.out, bytes.error());
  if (const auto failure = WriteFileAtomically(options.out, *bytes)) {
    return RefuseFile(options.out, {"Error : Cannot make gif-file. (" + *failure + ")"});
  }
  return 0;
}

}  // namespace

Command AddAnimateCommand(CLI::App& tool) {
  auto args = std::make_shared<AnimateArguments>();
  CLI::App* command =
      tool.add_subcommand("animate",
                          "Write an animated GIF of the skin while music plays.\n\n"
                          "Writes an animated GIF of the skin as the handheld shows it while music plays,\n"
                          "for sharing: frame i shows the simulated time i / F seconds. The GIF uses the\n"
                          "skin's own palette (no colour reduction; index 0 is never transparent), later\n"
                          "frames store only what changed, and it loops for ever. A project (.hqd) is first\n"
                          "made into its skin in memory; the kind of file is told from its content. The\n"
                          "scenario is playing unless --scenario names another.");
  command->add_option("FILE", args->in, "the project or skin database")->required();
  command->add_option("OUT.gif", args->out, "the animation to write")->required();
  AddPlayerOptions(*command, args->player, false);
  command
      ->add_option("--seconds", args->seconds, "length of the animation, up to 60 (5 by default), e.g. 2.5")
      ->type_name("S");
  command->add_option("--fps", args->fps, "frames a second, 1..50 (10 by default)")->type_name("F");
  command->add_option("--scale", args->scale, "each pixel drawn N x N, 1..4 (1 by default)")->type_name("N");
  command->footer(kPlayerRefusalNote);
  return {command, [args] { return RunAnimate(*args); }};
}

}  // namespace vorlune::cli
