// The editor's own pictures (part buttons in each state, canvas bitmaps,
// application icon, palette strip) against their golden SHA-256.
#include <gtest/gtest.h>

#include "layout/skin_palette.h"
#include "palette_strip.h"
#include "part_pictures.h"
#include "support/golden.h"

namespace vorlune {
namespace {

std::vector<std::uint8_t> Sized(const RgbImage& picture) {
  std::vector<std::uint8_t> bytes = picture.rgb;
  bytes.push_back(static_cast<std::uint8_t>(picture.width));
  bytes.push_back(static_cast<std::uint8_t>(picture.height));
  return bytes;
}

TEST(ResPictures, EveryPictureOfTheEditor) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const std::string kind = std::to_string(k);
    EXPECT_GOLDEN("button up " + kind, Sized(PartButtonPicture(k, ButtonPictureState::Up)));
    EXPECT_GOLDEN("button down " + kind, Sized(PartButtonPicture(k, ButtonPictureState::Down)));
    EXPECT_GOLDEN("button disabled " + kind, Sized(PartButtonPicture(k, ButtonPictureState::Disabled)));
    EXPECT_GOLDEN("canvas " + kind, Sized(CanvasBitmap(k)));
  }
  for (int size : {16, 32, 48}) EXPECT_GOLDEN("icon " + std::to_string(size), Sized(ApplicationIcon(size)));
  EXPECT_GOLDEN("palette strip", Sized(PaletteStrip()));
}

// Drawn for a display scale of 1.5, every edge on a whole device pixel: the
// swatches and lines fall where the strip's pixels do, none half covered.
TEST(ResPictures, PaletteStripAtADisplayScale) {
  const RgbImage strip = PaletteStrip(1.5);
  ASSERT_EQ(std::pair(strip.width, strip.height), std::pair(390, 30));
  int wrong = 0;
  for (int y = 0; y < strip.height; ++y)
    for (int x = 0; x < strip.width; ++x)
      wrong += strip.at(x, y) != kPickerColors[PaletteStripIndex(x * 2 / 3, y * 2 / 3)];
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace vorlune
