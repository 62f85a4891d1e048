#include "skin_test_support.h"

namespace vorlune::testing {

SkinLayout SyntheticLayout() {
  SkinLayout layout = NewSkinLayout();
  for (int i = 0; i < kBackgroundColors; ++i) {
    layout.palette[static_cast<std::size_t>(kFirstBackgroundEntry + i)] = Rgb{
        static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i / 2)};
  }
  layout.pixelOffset = kReducedHeaderSize;
  layout.picture.assign(kReducedHeaderSize + kPixelBytes, 0);
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 320; ++x) {
      layout.picture[kReducedHeaderSize + static_cast<std::size_t>(y * 320 + x)] =
          static_cast<std::uint8_t>(17 + (x + 3 * y) % 214);
    }
  }
  layout.backgroundLoaded = true;
  return layout;
}

void Place(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors) {
  layout.part(k).x = x;
  layout.part(k).y = y;
  layout.part(k).colors = colors;
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
}

}  // namespace vorlune::testing
