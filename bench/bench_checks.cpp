// The problems panel runs CheckSkin after every edit and must show the result
// within 100 ms: the checks of a full layout over a photograph should take a
// few milliseconds at most.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "checks/picker_contrast.h"
#include "checks/skin_checks.h"
#include "core/file_io.h"
#include "every_family_skin.h"
#include "image/background_import.h"
#include "skin/mask_picture.h"

namespace {

using vorlune::SkinLayout;

// Every family over the sky photograph, reduced to 214 colours: nine buttons,
// volume, equaliser, level meter, time, track and title.
SkinLayout EveryFamilyOverPhoto() {
  SkinLayout layout = vorlune::bench::EveryFamilySkin();
  // VORLUNE_PICTURES in the environment names another pictures folder.
  const char* folder = std::getenv("VORLUNE_PICTURES");
  const vorlune::FileBytes photo =
      vorlune::ReadWholeFile(std::string(folder ? folder : VORLUNE_PICTURES) + "/09_sky_clouds.bmp");
  auto background = vorlune::ImportBackground(photo.bytes);
  if (!background) throw std::runtime_error("the sky photograph cannot be imported");
  vorlune::ApplyImportedBackground(layout, std::move(*background));
  layout.placedCount = static_cast<std::uint32_t>(vorlune::CountPlacedRows(layout));
  return layout;
}

void BM_CheckEveryFamilyLayout(benchmark::State& state) {
  const SkinLayout layout = EveryFamilyOverPhoto();
  (void)vorlune::PartShapeMask(1);  // the masks are built once, on first use
  std::size_t findings = 0;
  for (auto _ : state) {
    auto found = vorlune::CheckSkin(layout);
    findings = found.size();
    benchmark::DoNotOptimize(found.data());
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckEveryFamilyLayout)->Unit(benchmark::kMicrosecond);

// The marks of a colour dialog, for the largest part.
void BM_PickerContrastOfEqualizer(benchmark::State& state) {
  const SkinLayout layout = EveryFamilyOverPhoto();
  (void)vorlune::PartShapeMask(1);
  for (auto _ : state) benchmark::DoNotOptimize(vorlune::PickerContrast(layout, 13));
}
BENCHMARK(BM_PickerContrastOfEqualizer)->Unit(benchmark::kMicrosecond);

}  // namespace
