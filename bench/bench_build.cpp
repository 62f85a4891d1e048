#include <benchmark/benchmark.h>

#include "every_family_skin.h"
#include "layout/skin_layout.h"
#include "skin/mask_picture.h"
#include "skin/skin_database_writer.h"

namespace {

using vorlune::SkinLayout;

void BM_BuildEveryFamilySkin(benchmark::State& state) {
  const SkinLayout layout = vorlune::bench::EveryFamilySkin();
  const vorlune::SkinInfoRecord info = vorlune::MakeSkinInfoRecord(layout);
  // The masks are drawn once, each on its first use: not in the timed loop.
  for (vorlune::PartKind k = vorlune::kFirstKind; k <= vorlune::kLastKind; ++k)
    (void)vorlune::PartShapeMask(k);
  for (int face = 1; face <= 3; ++face) (void)vorlune::DigitStrip(face);
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
