// The player simulation's costs: one frame of a skin with every group and
// every button (target: at most 1 ms), the state of a scenario, taking a new
// layout after an edit, and one frame more of an animated GIF.
#include <benchmark/benchmark.h>

#include "every_family_skin.h"
#include "player/animated_gif.h"
#include "player/player_scenarios.h"
#include "player/player_simulator.h"
#include "player/player_skin.h"

namespace {

using namespace vorlune;

PlayerSimulator EveryFamilySimulator() {
  PlayerSimulator simulator;
  if (!simulator.SetLayout(bench::EveryFamilySkin()).ok()) std::abort();
  return simulator;
}

// A scrolling title, moving meters and a counting clock: every part draws.
void BM_PlayerFrame(benchmark::State& state) {
  PlayerSimulator simulator = EveryFamilySimulator();
  const PlayerState playing = *ScenarioState("long-title", 2500);
  std::int64_t ms = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(simulator.Draw(playing, ms).pixels.data());
    ms += 33;
  }
}
BENCHMARK(BM_PlayerFrame)->Unit(benchmark::kMicrosecond);

void BM_ScenarioStateAndFrame(benchmark::State& state) {
  PlayerSimulator simulator = EveryFamilySimulator();
  std::int64_t ms = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(simulator.Draw(*ScenarioState("long-title", ms), ms).pixels.data());
    ms += 33;
  }
}
BENCHMARK(BM_ScenarioStateAndFrame)->Unit(benchmark::kMicrosecond);

// What the editor pays after each edit: the skin bytes made in memory, read back
// and prepared.
void BM_TakeEditedLayout(benchmark::State& state) {
  const SkinLayout layout = bench::EveryFamilySkin();
  PlayerSimulator simulator = EveryFamilySimulator();
  for (auto _ : state) benchmark::DoNotOptimize(simulator.SetLayout(layout).ok());
}
BENCHMARK(BM_TakeEditedLayout)->Unit(benchmark::kMicrosecond);

void BM_GifFrame(benchmark::State& state) {
  PlayerSimulator simulator = EveryFamilySimulator();
  AnimatedGifEncoder gif(simulator.Draw({}, 0).palette, 1);
  std::int64_t ms = 0;
  for (auto _ : state) {
    const IndexedFrame& frame = simulator.Draw(*ScenarioState("playing", ms), ms);
    benchmark::DoNotOptimize(gif.Add(frame, 10).ok());
    ms += 100;
  }
}
BENCHMARK(BM_GifFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
