#include "palette_strip.h"

#include "layout/skin_palette.h"

namespace vorlune {

namespace {
constexpr std::uint8_t kNavy = 4;
constexpr std::uint8_t kBlue = 12;
}  // namespace

// Painted in layers, each over the one before: navy ground, blue outer top and
// left edge, blue inner field, then the swatches.
std::uint8_t PaletteStripIndex(int x, int y) {
  if (x >= 2 && x <= 257 && y >= 2 && y <= 17) return static_cast<std::uint8_t>((x - 2) / 16);
  if (x >= 2 && x <= 258 && y >= 2 && y <= 18) return kBlue;
  if (x == 0 || y == 0) return kBlue;
  return kNavy;
}

RgbImage PaletteStrip() {
  RgbImage strip(kPaletteStripWidth, kPaletteStripHeight);
  for (int y = 0; y < kPaletteStripHeight; ++y) {
    for (int x = 0; x < kPaletteStripWidth; ++x) strip.set(x, y, kPickerColors[PaletteStripIndex(x, y)]);
  }
  return strip;
}

}  // namespace vorlune
