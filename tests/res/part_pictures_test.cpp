#include "part_pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "mask_grid.h"
#include "part_look.h"

namespace vorlune {
namespace {

bool IsPaletteColor(Rgb c) {
  for (const Rgb& p : kPickerColors)
    if (p == c) return true;
  return false;
}

bool MaskHasInk(PartKind k) {
  const MaskPicture& mask = PartShapeMask(k);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      if (mask.at(x, y) != 0) return true;
  return false;
}

int CountOf(const RgbImage& picture, Rgb color) {
  int n = 0;
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) n += picture.at(x, y) == color ? 1 : 0;
  return n;
}

TEST(PartButtonPictures, ShowTheSymbolOnBlackFramedWhenDownOnSilverWhenDisabled) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    SCOPED_TRACE(k);
    const RgbImage up = PartButtonPicture(k, ButtonPictureState::Up);
    const RgbImage down = PartButtonPicture(k, ButtonPictureState::Down);
    const RgbImage disabled = PartButtonPicture(k, ButtonPictureState::Disabled);
    for (const RgbImage* p : {&up, &down, &disabled}) {
      ASSERT_EQ(p->width, 42);
      ASSERT_EQ(p->height, 35);
    }
    EXPECT_EQ(up.at(0, 0), kButtonGround);
    EXPECT_EQ(disabled.at(0, 0), kDisabledGround);
    for (int y = 0; y < 35; ++y) {
      for (int x = 0; x < 42; ++x) {
        ASSERT_TRUE(IsPaletteColor(up.at(x, y)));
        const bool frame = x < 2 || y < 2 || x >= 40 || y >= 33;
        // The symbol stays inside the frame, the same in all three pictures.
        if (frame) {
          EXPECT_EQ(down.at(x, y), kPressedFrame);
          EXPECT_EQ(up.at(x, y), kButtonGround);
        } else {
          EXPECT_EQ(down.at(x, y), up.at(x, y));
        }
        if (up.at(x, y) != kButtonGround) {
          EXPECT_EQ(disabled.at(x, y), up.at(x, y));
        }
      }
    }
    const bool drawn = CountOf(up, kButtonGround) < 42 * 35;
    EXPECT_EQ(drawn, MaskHasInk(k));
  }
}

TEST(PartButtonPictures, EveryKindLooksDifferentFromEveryOther) {
  std::set<std::vector<std::uint8_t>> seen;
  int drawn = 0;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (!MaskHasInk(k)) continue;
    ++drawn;
    seen.insert(PartButtonPicture(k, ButtonPictureState::Up).rgb);
  }
  EXPECT_EQ(static_cast<int>(seen.size()), drawn);
}

TEST(PartButtonPictures, DotFormsKeepTheirGaps) {
  // Along a band of the dotted equaliser, ink and ground alternate; the bar form is solid.
  const RgbImage bars = PartButtonPicture(13, ButtonPictureState::Up);
  const RgbImage dots = PartButtonPicture(15, ButtonPictureState::Up);
  auto changes = [](const RgbImage& p) {
    int best = 0;
    for (int y = 0; y < p.height; ++y) {
      int n = 0;
      for (int x = 1; x < p.width; ++x)
        n += (p.at(x, y) == kButtonGround) != (p.at(x - 1, y) == kButtonGround);
      best = std::max(best, n);
    }
    return best;
  };
  EXPECT_LE(changes(bars), 2);
  EXPECT_GE(changes(dots), 20);
}

TEST(CanvasBitmaps, HaveTheKindsSizeAndShowTheMaskOnGrey) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    SCOPED_TRACE(k);
    const RgbImage picture = CanvasBitmap(k);
    const MaskPicture& mask = PartShapeMask(k);
    ASSERT_EQ(picture.width, KindInfo(k).width);
    ASSERT_EQ(picture.height, KindInfo(k).height);
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) {
        const Rgb c = picture.at(x, y);
        ASSERT_TRUE(IsPaletteColor(c));
        if (mask.at(x, y) == 0) {
          ASSERT_EQ(c, kCanvasGround);
        } else {
          ASSERT_EQ(c, PartInkColor(k, mask.at(x, y)));
        }
      }
    }
  }
}

TEST(ApplicationIcon, IsSquareAndDrawnAtEverySize) {
  for (int size : {16, 32, 48}) {
    const RgbImage icon = ApplicationIcon(size);
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    EXPECT_LT(CountOf(icon, kButtonGround), size * size);
    EXPECT_GT(CountOf(icon, Rgb{0, 255, 255}), 0);
  }
}

}  // namespace
}  // namespace vorlune
