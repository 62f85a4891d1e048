// Fuzzes the background import: checks and conversion of every depth.
#include <algorithm>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "image/background_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
  const std::span<const std::uint8_t> file(data, size);
  const Result<BackgroundCheck> check = CheckBackgroundFile(file);
  const Result<ImportedBackground> imported = ImportBackground(file);
  FUZZ_CHECK(check.ok() == imported.ok());
  if (!imported.ok()) {
    FUZZ_CHECK(!imported.error().text.empty());
    return 0;
  }
  const ImportedBackground& bg = *imported;
  FUZZ_CHECK(check->reductionNoticeDue == bg.reductionNoticeDue);
  FUZZ_CHECK(check->bitsPerPixel == bg.bitsPerPixel);
  FUZZ_CHECK(bg.colorsUsed <= kBackgroundColors);
  FUZZ_CHECK(bg.reducedBmp.size() == kReducedBmpSize);
  FUZZ_CHECK(bg.picture.size() >= kReducedBmpSize);
  FUZZ_CHECK(bg.pixelOffset == kReducedHeaderSize);
  FUZZ_CHECK(bg.reducedBmp[0] == 'B' && bg.reducedBmp[1] == 'M');
  FUZZ_CHECK(
      std::equal(bg.reducedBmp.begin(), bg.reducedBmp.begin() + kReducedHeaderSize, bg.picture.begin()));
  // Every reduced pixel names one of the 214 colours; the display form holds the
  // same rows top-down, shifted past the 17 fixed palette entries.
  for (int row = 0; row < 320; ++row) {
    const std::uint8_t* stored = bg.reducedBmp.data() + kReducedHeaderSize + (319 - row) * 320;
    const std::uint8_t* shown = bg.picture.data() + kReducedHeaderSize + row * 320;
    for (int x = 0; x < 320; ++x) {
      FUZZ_CHECK(stored[x] < kBackgroundColors);
      FUZZ_CHECK(shown[x] == stored[x] + kFirstBackgroundEntry);
    }
  }
  const SkinPalette fixed = FixedSkinPalette();
  for (int i = 0; i < kFirstBackgroundEntry; ++i) FUZZ_CHECK(bg.palette[i] == fixed[i]);
  // Entries 17.. are the reduced picture's own colour table.
  for (int n = 0; n < kBackgroundColors; ++n) {
    const std::uint8_t* entry = bg.reducedBmp.data() + 54 + 4 * n;
    FUZZ_CHECK(bg.palette[kFirstBackgroundEntry + n] == (Rgb{entry[2], entry[1], entry[0]}));
  }
  for (int i = kFirstBackgroundEntry + kBackgroundColors; i < 256; ++i) FUZZ_CHECK(bg.palette[i] == Rgb{});
  FUZZ_CHECK(TemporaryPictureFileBytes(bg.reducedBmp).size() == kReducedBmpSize + 2);
  return 0;
}
