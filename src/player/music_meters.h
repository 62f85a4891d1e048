#pragma once

#include <array>
#include <cstdint>

namespace vorlune {

// How loud the simulated music is: the meters wander around `mean` per mille
// of full scale. The seed picks one piece of music.
struct MusicProfile {
  std::uint64_t seed = 1;
  int mean = 550;
};

struct MeterReading {
  std::array<int, 8> equalizer{};  // percentages
  std::array<int, 2> level{};
  std::array<int, 2> peak{};
};

// The meters at `ms` milliseconds of simulated time since the music started.
// Each band and channel is a seeded pseudo-random walk with decay, stepped
// every 50 ms in whole numbers only, so every machine gets the same values;
// peaks hold half a second, then fall back 10 % a second.
MeterReading MusicMeters(const MusicProfile& profile, std::int64_t ms);

}  // namespace vorlune
