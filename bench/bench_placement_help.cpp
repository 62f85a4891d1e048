// The help computed on every mouse move while a part follows the mouse: it
// should take no more than 50 microseconds with every group placed.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "layout/placement_help.h"

namespace {

using vorlune::PartKind;
using vorlune::SkinLayout;

// One kind of every group, largest first, each at the first free spot a click
// can give it scanning row by row; the buttons last.
SkinLayout EveryGroupPlaced() {
  SkinLayout layout = vorlune::NewSkinLayout();
  layout.backgroundLoaded = true;
  for (const PartKind k : {13, 27, 21, 17, 24, 9, 1, 2, 3, 4, 5, 6, 7, 8, 30}) {
    bool placed = false;
    for (int y = 0; y < vorlune::kCanvasSize && !placed; ++y) {
      for (int x = 0; x < vorlune::kCanvasSize && !placed; ++x) {
        const auto at = vorlune::PreviewPosition(k, {x + vorlune::kCanvasOrigin, y + vorlune::kCanvasOrigin});
        if (!at || vorlune::FirstTouchedPart(layout, k, *at)) continue;
        layout.part(k).x = at->x;
        layout.part(k).y = at->y;
        placed = true;
      }
    }
    if (!placed) std::abort();  // the bench would measure less than it says
  }
  layout.placedCount = static_cast<std::uint32_t>(vorlune::CountPlacedRows(layout));
  return layout;
}

// The Play button lifted to be moved over the other fourteen parts, the mouse
// sweeping the skin and a little beyond, snapping within 6 screen pixels at
// zoom 1 (the widest reach).
void BM_PlacementHelpPerMouseMove(benchmark::State& state) {
  SkinLayout layout = EveryGroupPlaced();
  layout.part(1).x = -1;
  layout.part(1).y = -1;
  const vorlune::PlacementHelpOptions options{true, vorlune::kSnapScreenPixels};
  int step = 0;
  int refused = 0;
  for (auto _ : state) {
    step = (step + 7919) % (360 * 360);
    const vorlune::CanvasPoint mouse{step % 360 - 20, step / 360 - 20};
    const vorlune::PlacementHelp help = vorlune::ComputePlacementHelp(layout, 1, mouse, options);
    refused += help.refusal.reason != vorlune::RefusalReason::None;
    benchmark::DoNotOptimize(help.guides.data());
  }
  state.counters["refused"] = benchmark::Counter(refused, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PlacementHelpPerMouseMove)->Unit(benchmark::kMicrosecond);

}  // namespace
