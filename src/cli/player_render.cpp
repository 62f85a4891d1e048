#include "cli/player_render.h"

#include <cstdio>

#include "cli/file_message.h"
#include "cli/player_skin_input.h"
#include "core/file_io.h"
#include "core/png_writer.h"
#include "player/player_simulator.h"

namespace vorlune::cli {

int RenderPlayerPicture(const std::string& in, const std::string& out, const PlayerOptions& options) {
  const std::optional<std::vector<std::uint8_t>> skin = ReadSkinForPlayer(in);
  if (!skin) return 1;
  PlayerSimulator simulator;
  if (const Status set = simulator.SetSkin(*skin); !set) return RefuseFile(in, set.error());
  const std::int64_t ms = options.atMs.value_or(0);
  const IndexedFrame& frame = simulator.Draw(PlayerStateAt(options, ms), ms);
  const std::vector<std::uint8_t> png = EncodePng(ToRgbImage(frame));
  if (const auto failure = WriteFileAtomically(out, png)) {
    return RefuseFile(out, {"Error : Cannot make png-file. (" + *failure + ")"});
  }
  return 0;
}

}  // namespace vorlune::cli
