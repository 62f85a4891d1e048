#include "player/player_scenarios.h"

#include <algorithm>

#include "player/music_meters.h"

namespace vorlune {

namespace {

constexpr std::array<ScenarioInfo, 7> kScenarios{{
    {"idle", "stopped at 00:00 on track 1, meters at rest"},
    {"playing", "track 3 playing from 00:00 at volume 50, meters moving"},
    {"paused", "track 3 paused at 01:23, meters at rest"},
    {"loud", "full volume and loud music, peaks near the top"},
    {"quiet", "volume 10 and soft music"},
    {"long-title", "a title too long for any title display, scrolling"},
    {"seek", "fast forward for 3 s, then rewind for 3 s, over and over"},
}};

// Titles of the scenarios' songs; the long one is wider than any title display.
constexpr std::string_view kSongTitle = "夜明けのうた";
constexpr std::string_view kLongTitle = "真夜中のハーモニクエスト ～ 遠い街の灯りを数えながら (Extended Mix)";

int ClockSeconds(std::int64_t ms, int from) {
  return static_cast<int>(std::clamp<std::int64_t>(from + ms / 1000, 0, kMaxPlayerSeconds));
}

void Music(PlayerState& state, const MusicProfile& profile, std::int64_t ms) {
  const MeterReading meters = MusicMeters(profile, ms);
  state.equalizer = meters.equalizer;
  state.level = meters.level;
  state.peak = meters.peak;
}

PlayerState Playing(std::int64_t ms, int track, std::string_view title, int volume,
                    const MusicProfile& music) {
  PlayerState state;
  state.transport = Transport::Playing;
  state.track = track;
  state.title = std::string(title);
  state.volume = volume;
  state.seconds = ClockSeconds(ms, 0);
  Music(state, music, ms);
  return state;
}

// Holding fast forward runs the time at eight times its pace, rewind back again.
PlayerState Seeking(std::int64_t ms) {
  constexpr std::int64_t kLegMs = 3000;
  constexpr int kStartSeconds = 60;
  constexpr int kPace = 8;
  const std::int64_t within = ms % (2 * kLegMs);
  const bool forward = within < kLegMs;
  const std::int64_t covered = forward ? within : 2 * kLegMs - within;
  PlayerState state = Playing(ms, 5, kSongTitle, 50, {5, 300});
  state.transport = forward ? Transport::FastForward : Transport::Rewind;
  state.pressed = forward ? 6 : 5;
  state.seconds = ClockSeconds(covered * kPace, kStartSeconds);
  return state;
}

}  // namespace

const std::array<ScenarioInfo, 7>& PlayerScenarios() {
  return kScenarios;
}

std::optional<PlayerState> ScenarioState(std::string_view name, std::int64_t ms) {
  ms = std::max<std::int64_t>(0, ms);
  if (name == "idle") {
    PlayerState state;
    state.title = std::string(kSongTitle);
    return state;
  }
  if (name == "playing") return Playing(ms, 3, kSongTitle, 50, {1, 550});
  if (name == "paused") {
    PlayerState state;
    state.transport = Transport::Paused;
    state.track = 3;
    state.title = std::string(kSongTitle);
    state.seconds = 83;
    return state;
  }
  if (name == "loud") return Playing(ms, 7, kSongTitle, 100, {2, 850});
  if (name == "quiet") return Playing(ms, 2, kSongTitle, 10, {3, 200});
  if (name == "long-title") return Playing(ms, 12, kLongTitle, 50, {4, 550});
  if (name == "seek") return Seeking(ms);
  return std::nullopt;
}

}  // namespace vorlune
