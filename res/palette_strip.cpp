#include "palette_strip.h"

#include <algorithm>
#include <cmath>

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

RgbImage PaletteStrip(double scale) {
  // The layers of PaletteStripIndex, their edges in device pixels.
  const auto edge = [scale](int at) { return static_cast<int>(std::lround(at * scale)); };
  const int line = edge(1), inner = edge(2);
  const int fieldRight = edge(kPaletteStripWidth - 1), fieldBottom = edge(kPaletteStripHeight - 1);
  const int swatchesRight = edge(kPaletteStripWidth - 2), swatchesBottom = edge(kPaletteStripHeight - 2);
  const double swatch = 16 * scale;
  RgbImage strip(edge(kPaletteStripWidth), edge(kPaletteStripHeight));
  for (int y = 0; y < strip.height; ++y) {
    for (int x = 0; x < strip.width; ++x) {
      std::uint8_t index = x < line || y < line ? kBlue : kNavy;
      if (x >= inner && y >= inner && x < fieldRight && y < fieldBottom) index = kBlue;
      if (x >= inner && y >= inner && x < swatchesRight && y < swatchesBottom)
        index = static_cast<std::uint8_t>(std::min(15, static_cast<int>((x - inner) / swatch)));
      strip.set(x, y, kPickerColors[index]);
    }
  }
  return strip;
}

}  // namespace vorlune
