#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "layout/part_kind.h"

namespace vorlune {

enum class Transport { Stopped, Playing, Paused, FastForward, Rewind };

inline constexpr int kMaxPlayerSeconds = 99 * 60 + 59;  // MM:SS with minutes up to 99

// What the handheld shows a skin for: the player's mode, the button held down,
// the meters (percentages) and the song. Keys left unset keep these defaults.
struct PlayerState {
  Transport transport = Transport::Stopped;
  PartKind pressed = kNoKind;  // a button kind (1..8, 30) or none
  bool repeat = false;
  int volume = 50;
  std::array<int, 8> equalizer{};
  std::array<int, 2> level{};
  std::array<int, 2> peak{};
  int seconds = 0;    // elapsed time, 0..kMaxPlayerSeconds
  int track = 1;      // 0..99
  std::string title;  // UTF-8, any length

  friend bool operator==(const PlayerState&, const PlayerState&) = default;
};

// The names of the settings: stopped, playing, paused, ff, rew.
std::string_view TransportName(Transport t);
std::optional<Transport> TransportFromName(std::string_view name);

// True for the kinds that are buttons: 1..8 and 30.
bool IsButtonKind(PartKind k);

}  // namespace vorlune
