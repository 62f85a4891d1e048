// Import of the sample photographs: checks, reduction (24-bit pre-filter
// included), display form and palette, as the Image command does it.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/file_io.h"
#include "image/background_import.h"

namespace {

std::vector<std::uint8_t> Picture(const char* name) {
  const vorlune::FileBytes file = vorlune::ReadWholeFile(std::string(VORLUNE_PICTURES) + "/" + name);
  if (file.failure) {
    std::fprintf(stderr, "missing sample picture %s\n", name);
    std::abort();
  }
  return file.bytes;
}

void ImportPicture(benchmark::State& state, const char* name) {
  const std::vector<std::uint8_t> bytes = Picture(name);
  for (auto _ : state) {
    auto imported = vorlune::ImportBackground(bytes);
    if (!imported) state.SkipWithError(imported.error().text.c_str());
    benchmark::DoNotOptimize(imported);
  }
}

void BM_Import24BitCoffee(benchmark::State& state) {
  ImportPicture(state, "03_coffee_cup.bmp");
}
void BM_Import24BitSky(benchmark::State& state) {
  ImportPicture(state, "09_sky_clouds.bmp");
}
void BM_Import8BitOver214Colours(benchmark::State& state) {
  ImportPicture(state, "13_saturated_cups.p8.bmp");
}
void BM_Import4Bit(benchmark::State& state) {
  ImportPicture(state, "07_flat_logo.p4.bmp");
}

BENCHMARK(BM_Import24BitCoffee)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import24BitSky)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import8BitOver214Colours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Import4Bit)->Unit(benchmark::kMillisecond);

}  // namespace
