#pragma once

#include "player/player_state.h"

namespace vorlune {

inline constexpr int kVolumeStep = 10;
inline constexpr int kSeekSeconds = 10;

// What a click on a button of the simulated skin does, as on the handheld:
// Play toggles playing (and pausing), Stop stops and returns the time to 00:00,
// NextTrack and TrackStart change the track (the time back to 00:00),
// VolumeUp and VolumeDown step the volume by 10 %, FastForward and Rewind seek
// 10 s, Replay toggles repeat. Other kinds change nothing. While the mouse is
// down the window sets `pressed` to the kind so the button shows its on state.
PlayerState PressPlayerButton(PlayerState state, PartKind k);

}  // namespace vorlune
