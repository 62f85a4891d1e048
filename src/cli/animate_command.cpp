#include <algorithm>
#include <cstdio>
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

constexpr const char* kUsage =
    "usage: vorlune-cli animate FILE OUT.gif [--scenario NAME] [--seconds S] [--fps F] [--scale N]\n"
    "                           [--set KEY=VALUE]...\n";

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

// Parses the arguments; the exit status when they are refused.
std::variant<AnimateOptions, int> Parse(const Arguments& args) {
  AnimateOptions options;
  options.player.scenario = "playing";
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool ours = arg == "--seconds" || arg == "--fps" || arg == "--scale";
    if (ours || TakesPlayerOption(arg, false)) {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "vorlune-cli animate: %s needs a value\n%s", arg.c_str(), kUsage);
        return 2;
      }
      const std::string& value = args[++i];
      if (arg == "--seconds") {
        const std::optional<std::int64_t> ms = ParseSecondsAsMs(value, kMaxMs);
        if (!ms || *ms == 0)
          return Refuse("Error : --seconds takes seconds above 0, up to 60, not '" + value + "'.");
        options.ms = *ms;
      } else if (arg == "--fps") {
        const std::optional<int> fps = SmallNumber(value, 1, kMaxFps);
        if (!fps)
          return Refuse("Error : --fps takes a whole number of frames a second from 1 to 50, not '" + value +
                        "'.");
        options.fps = *fps;
      } else if (arg == "--scale") {
        const std::optional<int> scale = SmallNumber(value, 1, 4);
        if (!scale) return Refuse("Error : --scale takes 1, 2, 3 or 4, not '" + value + "'.");
        options.scale = *scale;
      } else if (const Status parsed = ParsePlayerOption(options.player, arg, value); !parsed) {
        return Refuse(parsed.error().text);
      }
    } else if (arg.size() > 1 && arg[0] == '-') {
      std::fprintf(stderr, "vorlune-cli animate: unknown option '%s'\n%s", arg.c_str(), kUsage);
      return 2;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  options.in = paths[0];
  options.out = paths[1];
  return options;
}

}  // namespace

int RunAnimate(const Arguments& args) {
  if (WantsHelp(args)) {
    std::fputs(kUsage, stdout);
    std::puts(
        "\nWrites an animated GIF of the skin as the handheld shows it while music plays,\n"
        "for sharing: frame i shows the simulated time i / F seconds. The GIF uses the\n"
        "skin's own palette (no colour reduction; index 0 is never transparent), later\n"
        "frames store only what changed, and it loops for ever. A project (.hqd) is first\n"
        "made into its skin in memory; the kind of file is told from its content. The\n"
        "scenario is playing unless --scenario names another.\n");
    PrintPlayerOptionsHelp(
        "  --seconds S       length of the animation, up to 60 (5 by default), e.g. 2.5\n"
        "  --fps F           frames a second, 1..50 (10 by default)\n"
        "  --scale N         each pixel drawn N x N, 1..4 (1 by default)\n");
    return 0;
  }
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

}  // namespace vorlune::cli
