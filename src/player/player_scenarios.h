#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "player/player_state.h"

namespace vorlune {

struct ScenarioInfo {
  std::string_view name;
  std::string_view summary;  // one line for the help
};

// idle, playing, paused, loud, quiet, long-title, seek.
const std::array<ScenarioInfo, 7>& PlayerScenarios();

// The state of scenario `name` at `ms` milliseconds of simulated time: a pure
// function of the two. None for a name that is no scenario.
std::optional<PlayerState> ScenarioState(std::string_view name, std::int64_t ms);

}  // namespace vorlune
