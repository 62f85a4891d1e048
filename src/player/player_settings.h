#pragma once

#include <array>
#include <string_view>

#include "core/result.h"
#include "player/player_state.h"

namespace vorlune {

// The keys of KEY=VALUE settings, in the order the help lists them.
inline constexpr std::array<std::string_view, 10> kPlayerSettingKeys{
    "transport", "pressed", "repeat", "volume", "eq", "level", "peak", "time", "track", "title"};

// Applies one KEY=VALUE setting: transport=stopped|playing|paused|ff|rew,
// pressed=none|KIND (a button such as Play), repeat=on|off, volume=P,
// eq=P,P,P,P,P,P,P,P, level=P,P, peak=P,P (P a whole percentage 0..100),
// time=MM:SS (minutes 0..99), track=0..99, title=TEXT (UTF-8).
// A refusal names the key and leaves the state as it was.
Status ApplyPlayerSetting(PlayerState& state, std::string_view setting);

}  // namespace vorlune
