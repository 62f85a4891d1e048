#include "player/music_meters.h"

#include <algorithm>
#include <vector>

namespace vorlune {

namespace {

constexpr std::int64_t kTickMs = 50;
// A step keeps 7/8 of the last value; after 64 steps a kick weighs (7/8)^64,
// under a tenth of a per mille, so the walk starts 64 steps back.
constexpr std::int64_t kMemoryTicks = 64;
constexpr std::int64_t kBeatTicks = 10;  // 120 beats a minute
constexpr std::int64_t kPeakHoldTicks = 10;
constexpr std::int64_t kPeakFallTicksPerPercent = 2;
constexpr std::int64_t kPeakWindow = kPeakHoldTicks + 100 * kPeakFallTicksPerPercent;
constexpr std::size_t kBands = 8;
// Bass bands carry more of the music than treble ones (percent of the mean).
constexpr std::array<int, kBands> kBandWeights{112, 104, 96, 88, 80, 70, 60, 50};

// SplitMix64's finaliser: a small, well-mixed hash, the same everywhere.
std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// What the music adds to a lane at one tick: a random kick, and a beat.
std::int64_t Kick(std::uint64_t seed, int lane, std::int64_t tick, int mean) {
  const std::uint64_t r =
      Mix(seed ^ Mix(static_cast<std::uint64_t>(lane) * 0x100000001B3ULL ^ static_cast<std::uint64_t>(tick)));
  const std::int64_t range = mean / 6 + 1;
  std::int64_t kick = static_cast<std::int64_t>(r % static_cast<std::uint64_t>(range));
  if (tick % kBeatTicks == 0) kick += mean / 2;
  return kick;
}

// The lane's level in percent at ticks first..last.
std::vector<int> LaneLevels(std::uint64_t seed, int lane, int mean, std::int64_t first, std::int64_t last) {
  std::vector<int> levels;
  levels.reserve(static_cast<std::size_t>(last - first + 1));
  std::int64_t value = 0;  // per mille
  for (std::int64_t tick = std::max<std::int64_t>(0, first - kMemoryTicks); tick <= last; ++tick) {
    value = std::min<std::int64_t>(1000, value - value / 8 + Kick(seed, lane, tick, mean));
    if (tick >= first) levels.push_back(static_cast<int>(value / 10));
  }
  return levels;
}

}  // namespace

MeterReading MusicMeters(const MusicProfile& profile, std::int64_t ms) {
  const std::int64_t now = std::max<std::int64_t>(0, ms) / kTickMs;
  MeterReading reading;
  for (std::size_t band = 0; band < kBands; ++band) {
    const int mean = profile.mean * kBandWeights[band] / 100;
    reading.equalizer[band] = LaneLevels(profile.seed, static_cast<int>(band), mean, now, now).back();
  }
  for (std::size_t channel = 0; channel < 2; ++channel) {
    const std::int64_t first = std::max<std::int64_t>(0, now - kPeakWindow);
    const std::vector<int> levels =
        LaneLevels(profile.seed, static_cast<int>(kBands + channel), profile.mean, first, now);
    reading.level[channel] = levels.back();
    // The highest level of the window, less what it has fallen since.
    int peak = 0;
    for (std::int64_t tick = first; tick <= now; ++tick) {
      const std::int64_t age = now - tick;
      const std::int64_t fall = std::max<std::int64_t>(0, age - kPeakHoldTicks) / kPeakFallTicksPerPercent;
      peak = std::max(peak, levels[static_cast<std::size_t>(tick - first)] - static_cast<int>(fall));
    }
    reading.peak[channel] = peak;
  }
  return reading;
}

}  // namespace vorlune
