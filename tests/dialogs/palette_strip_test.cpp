#include "palette_strip.h"

#include <gtest/gtest.h>

#include "dialogs/picker_palette.h"
#include "dialogs/picker_rows.h"

namespace vorlune {
namespace {

constexpr int kNavy = 4;
constexpr int kBlue = 12;

TEST(PaletteStrip, FrameIsBevelledAroundTheSwatches) {
  // Outer top and left edge blue, inner top and left navy.
  for (int x = 0; x < 260; ++x) EXPECT_EQ(PaletteStripIndex(x, 0), kBlue) << x;
  for (int y = 0; y < 20; ++y) EXPECT_EQ(PaletteStripIndex(0, y), kBlue) << y;
  for (int x = 1; x < 260; ++x) EXPECT_EQ(PaletteStripIndex(x, 1), kNavy) << x;
  for (int y = 1; y < 20; ++y) EXPECT_EQ(PaletteStripIndex(1, y), kNavy) << y;
  // Inner bottom and right edge blue, outer bottom and right navy.
  for (int x = 2; x <= 258; ++x) EXPECT_EQ(PaletteStripIndex(x, 18), kBlue) << x;
  for (int y = 2; y <= 18; ++y) EXPECT_EQ(PaletteStripIndex(258, y), kBlue) << y;
  for (int x = 1; x < 260; ++x) EXPECT_EQ(PaletteStripIndex(x, 19), kNavy) << x;
  for (int y = 1; y < 20; ++y) EXPECT_EQ(PaletteStripIndex(259, y), kNavy) << y;
}

TEST(PaletteStrip, SwatchesHoldTheirOwnIndex) {
  for (int i = 0; i < 16; ++i) {
    for (int y = 2; y <= 17; ++y) {
      EXPECT_EQ(PaletteStripIndex(2 + 16 * i, y), i);
      EXPECT_EQ(PaletteStripIndex(17 + 16 * i, y), i);
    }
  }
  const RgbImage strip = PaletteStrip();
  ASSERT_EQ(strip.width, 260);
  ASSERT_EQ(strip.height, 20);
  EXPECT_EQ(strip.at(2 + 16 * 9, 9), (Rgb{255, 0, 0}));
  EXPECT_EQ(strip.at(0, 19), (Rgb{0, 0, 255}));
  EXPECT_EQ(strip.at(259, 19), (Rgb{0, 0, 128}));
}

TEST(PickerPalette, AnythingButAnEntryPreviewsAsGrey) {
  for (int index : {-1, -128, 16, 127, 8}) EXPECT_EQ(PreviewPaletteRGB(index), 0x02808080u) << index;
  EXPECT_EQ(PreviewPaletteRGB(15), 0x02FFFFFFu);
  EXPECT_EQ(ToQColor(PickerPalette[9]), QColor(255, 0, 0));  // palette-relative BGR
  EXPECT_EQ(ToQColor(PickerPalette[12]), QColor(0, 0, 255));
}

TEST(PickerRows, GeometryFollowsTheStripOrigin) {
  const PickerRow row{"", QRect(), QPoint(100, 60)};
  EXPECT_EQ(StripRect(row), QRect(100, 60, 260, 20));
  EXPECT_EQ(PreviewRect(row), QRect(QPoint(60, 60), QPoint(79, 79)));
  EXPECT_EQ(SwatchRect(row, 0), QRect(QPoint(102, 62), QPoint(117, 77)));
  EXPECT_EQ(SwatchRect(row, 15), QRect(QPoint(342, 62), QPoint(357, 77)));
}

}  // namespace
}  // namespace vorlune
