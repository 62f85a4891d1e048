// Fuzzes the project file reader. An accepted project must describe a layout
// the editor could have made, and saving it again must read back the same.
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "layout/placement_rules.h"
#include "project/project_file.h"

namespace {

void CheckLayoutIsSound(const vorlune::SkinLayout& layout) {
  using namespace vorlune;
  FUZZ_CHECK(!layout.parts[0].placed());
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& part = layout.part(k);
    FUZZ_CHECK((part.x < 0) == (part.y < 0));
    FUZZ_CHECK(part.width == KindInfo(k).width && part.height == KindInfo(k).height);
    for (PickerIndex c : part.colors) FUZZ_CHECK(c == kNoColor || (c >= 0 && c <= 15));
    if (!part.placed()) continue;
    FUZZ_CHECK(LiesOnCanvas(k, {part.x, part.y}));
    FUZZ_CHECK(!FirstTouchedPart(layout, k, {part.x, part.y}));
    const KindRange group = GroupKinds(k);
    for (PartKind j = group.first; j <= group.last; ++j) FUZZ_CHECK(j == k || !layout.placed(j));
  }
  const SkinPalette fixed = FixedSkinPalette();
  for (int i = 0; i < kFirstBackgroundEntry; ++i) FUZZ_CHECK(layout.palette[i] == fixed[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
  const Result<SkinLayout> loaded = ReadProjectFile(std::span<const std::uint8_t>(data, size));
  if (!loaded.ok()) {
    FUZZ_CHECK(!loaded.error().text.empty());
    return 0;
  }
  CheckLayoutIsSound(*loaded);
  const std::vector<std::uint8_t> saved = WriteProjectFile(*loaded);
  FUZZ_CHECK(saved.size() == size);
  const Result<SkinLayout> again = ReadProjectFile(saved);
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(WriteProjectFile(*again) == saved);
  return 0;
}
