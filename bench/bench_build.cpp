#include <benchmark/benchmark.h>

#include "layout/skin_layout.h"
#include "skin/mask_picture.h"
#include "skin/skin_database_writer.h"

namespace {

using vorlune::SkinLayout;

// A skin with a part of every family: all nine buttons with pictures, a volume
// meter, an equaliser, a level meter with three states, time, track and title.
SkinLayout EveryFamilySkin() {
  SkinLayout layout = vorlune::NewSkinLayout();
  layout.pixelOffset = vorlune::kReducedHeaderSize;
  layout.picture.assign(vorlune::kReducedHeaderSize + vorlune::kPixelBytes, 0);
  for (std::size_t i = 0; i < vorlune::kPixelBytes; ++i) {
    layout.picture[vorlune::kReducedHeaderSize + i] = static_cast<std::uint8_t>(17 + i % 214);
  }
  auto place = [&layout](vorlune::PartKind k, int x, int y, vorlune::ColorTriple colors) {
    layout.part(k).x = x;
    layout.part(k).y = y;
    layout.part(k).colors = colors;
  };
  const int buttons[] = {1, 2, 3, 4, 5, 6, 7, 8, 30};
  for (int i = 0; i < 9; ++i) place(buttons[i], 2 + 38 * (i % 8), 282 - 32 * (i / 8), {9, 12, -1});
  place(9, 2, 240, {6, 14, -1});
  place(13, 2, 2, {6, 14, -1});
  place(17, 140, 2, {6, 14, 9});
  place(21, 140, 50, {14, -1, -1});
  place(24, 140, 90, {14, -1, -1});
  place(27, 2, 170, {14, -1, -1});
  layout.placedCount = static_cast<std::uint32_t>(vorlune::CountPlacedRows(layout));
  return layout;
}

void BM_BuildEveryFamilySkin(benchmark::State& state) {
  const SkinLayout layout = EveryFamilySkin();
  const vorlune::SkinInfoRecord info = vorlune::MakeSkinInfoRecord(layout);
  (void)vorlune::PartShapeMask(1);  // the masks are built once, on first use
  std::size_t bytes = 0;
  for (auto _ : state) {
    auto skin = vorlune::MakeSkinDatabase(layout, "bench.pdb", static_cast<std::int32_t>(layout.placedCount),
                                          info, 1717243200);
    bytes = skin->size();
    benchmark::DoNotOptimize(skin->data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["skin_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_BuildEveryFamilySkin)->Unit(benchmark::kMicrosecond);

}  // namespace
