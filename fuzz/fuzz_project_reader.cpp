// Fuzzes the project file reader. An accepted project must describe a layout
// the editor could have made, and saving it again must read back the same.
#include <algorithm>
#include <cstdint>
#include <span>

#include "core/byte_order.h"
#include "fuzz_check.h"
#include "layout/placement_rules.h"
#include "project/project_file.h"

namespace {

using namespace vorlune;

// Everything before the row groups: three numbers, picture header, pixel rows,
// placed count and the three texts.
constexpr std::size_t kBytesBeforeRows = 12 + kPixelBytes + 2 + 32 + 32 + 6;

void CheckLayoutIsSound(const SkinLayout& layout) {
  FUZZ_CHECK(!layout.parts[0].placed());
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& part = layout.part(k);
    FUZZ_CHECK((part.x < 0) == (part.y < 0));
    FUZZ_CHECK(part.placed() || (part.x == -1 && part.y == -1));
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
  for (std::size_t i = kFirstBackgroundEntry + layout.pictureColorsUsed; i < layout.palette.size(); ++i)
    FUZZ_CHECK(layout.palette[i] == Rgb{});
  FUZZ_CHECK(layout.backgroundLoaded);
  FUZZ_CHECK(layout.databaseName.back() == 0 && layout.databaseAuthor.back() == 0 &&
             layout.databaseVersion.back() == 0);
}

// The two forms of the background: the BMP rows bottom-up below 214, and the
// display rows top-down past the 17 fixed palette entries.
void CheckPictureForms(const SkinLayout& layout) {
  const std::size_t h = layout.pixelOffset;
  FUZZ_CHECK(layout.reducedBmp.size() == h + kPixelBytes);
  FUZZ_CHECK(layout.picture.size() >= h + kPixelBytes && layout.picture.size() <= kPictureBufferSize);
  FUZZ_CHECK(std::equal(layout.reducedBmp.begin(), layout.reducedBmp.begin() + h, layout.picture.begin()));
  for (int row = 0; row < kCanvasSize; ++row) {
    const std::uint8_t* stored = layout.reducedBmp.data() + h + (kCanvasSize - 1 - row) * kCanvasSize;
    const std::uint8_t* shown = layout.picture.data() + h + row * kCanvasSize;
    for (int x = 0; x < kCanvasSize; ++x) {
      FUZZ_CHECK(stored[x] < kBackgroundColors);
      FUZZ_CHECK(shown[x] == stored[x] + kFirstBackgroundEntry);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const Result<SkinLayout> loaded = ReadProjectFile(file);
  if (!loaded.ok()) {
    FUZZ_CHECK(!loaded.error().text.empty());
    return 0;
  }
  CheckLayoutIsSound(*loaded);
  CheckPictureForms(*loaded);
  // The count is taken as stored, not recounted.
  FUZZ_CHECK(loaded->placedCount == ReadBE16(file, 12 + loaded->pixelOffset + kPixelBytes));

  // Saving keeps every byte up to the row groups; the rows come back in their
  // settled form (unplaced at -1, unknown colours as none), and a second round
  // changes nothing.
  const std::vector<std::uint8_t> saved = WriteProjectFile(*loaded);
  FUZZ_CHECK(saved.size() == size);
  const std::size_t fixedPart = kBytesBeforeRows + loaded->pixelOffset;
  FUZZ_CHECK(std::equal(saved.begin(), saved.begin() + static_cast<std::ptrdiff_t>(fixedPart), data));
  const Result<SkinLayout> again = ReadProjectFile(saved);
  FUZZ_CHECK(again.ok());
  for (std::size_t k = 0; k < loaded->parts.size(); ++k) {
    const PartRecord& a = loaded->parts[k];
    const PartRecord& b = again->parts[k];
    FUZZ_CHECK(a.x == b.x && a.y == b.y && a.colors == b.colors);
  }
  FUZZ_CHECK(WriteProjectFile(*again) == saved);
  return 0;
}
