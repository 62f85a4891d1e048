#include <algorithm>

#include "core/byte_order.h"
#include "image/convert_background.h"
#include "layout/skin_layout.h"

namespace vorlune {

std::vector<std::uint8_t> WriteReducedBmp(const IndexedPicture& picture) {
  std::vector<std::uint8_t> bmp(kReducedBmpSize, 0);
  std::uint8_t* h = bmp.data();
  h[0] = 'B';
  h[1] = 'M';
  WriteLE32(h + 2, kReducedBmpSize + 2);  // the temporary file adds two zero bytes
  WriteLE32(h + 10, kReducedHeaderSize);
  WriteLE32(h + 14, 40);
  WriteLE32(h + 18, kBackgroundSide);
  WriteLE32(h + 22, kBackgroundSide);
  WriteLE16(h + 26, 1);
  WriteLE16(h + 28, 8);
  WriteLE32(h + 38, 2834);
  WriteLE32(h + 42, 2834);
  WriteLE32(h + 46, kBackgroundColors);
  WriteLE32(h + 50, kBackgroundColors);
  for (int n = 0; n < kBackgroundColors; ++n) {
    std::uint8_t* entry = h + kBmpHeadersSize + 4 * n;
    entry[0] = picture.palette[n].b;
    entry[1] = picture.palette[n].g;
    entry[2] = picture.palette[n].r;
  }
  std::copy(picture.pixels.begin(), picture.pixels.end(), bmp.begin() + kReducedHeaderSize);
  return bmp;
}

std::vector<std::uint8_t> DisplayFormOf(std::span<const std::uint8_t> reducedBmp) {
  std::vector<std::uint8_t> picture(reducedBmp.begin(), reducedBmp.begin() + kReducedHeaderSize);
  picture.resize(kReducedBmpSize);
  for (int row = 0; row < kBackgroundSide; ++row) {
    const std::size_t from = kReducedHeaderSize + std::size_t(kBackgroundSide - 1 - row) * kBackgroundSide;
    const std::size_t to = kReducedHeaderSize + std::size_t(row) * kBackgroundSide;
    for (int x = 0; x < kBackgroundSide; ++x) {
      picture[to + x] = static_cast<std::uint8_t>(reducedBmp[from + x] + kFirstBackgroundEntry);
    }
  }
  return picture;
}

SkinPalette SkinPaletteOf(std::span<const std::uint8_t> reducedBmp) {
  SkinPalette palette = FixedSkinPalette();
  for (int n = 0; n < kBackgroundColors; ++n) {
    const std::uint8_t* entry = &reducedBmp[kBmpHeadersSize + 4 * n];
    palette[kFirstBackgroundEntry + n] = Rgb{entry[2], entry[1], entry[0]};
  }
  return palette;
}

}  // namespace vorlune
