#pragma once

#include <string>

#include "cli/player_options.h"

namespace vorlune::cli {

// `render` with player options: the skin of `in` drawn by the player
// simulation in the options' state at --at (0 by default), saved as PNG at
// `out`. Returns the exit status.
int RenderPlayerPicture(const std::string& in, const std::string& out, const PlayerOptions& options);

}  // namespace vorlune::cli
