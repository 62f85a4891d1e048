#include <gtest/gtest.h>

#include "digit_shape_support.h"
#include "skin/mask_picture.h"

namespace vorlune {
namespace {

using testing::InkBounds;
using testing::Window;

int ColumnInk(const MaskPicture& m, int x, int y0, int y1) {
  int n = 0;
  for (int y = y0; y < y1; ++y) n += m.at(x, y) != 0 ? 1 : 0;
  return n;
}

TEST(ReplaySymbol, IsAButtonSizedInkMaskWithinItsBox) {
  const MaskPicture mask = ReplaySymbolMask();
  EXPECT_EQ(mask.width, 36);
  EXPECT_EQ(mask.height, 30);
  EXPECT_EQ(testing::ValuesOtherThanInk(mask, {0, 0, 36, 30}), 0);
  const Window ink = InkBounds(mask, {0, 0, 36, 30});
  EXPECT_EQ(ink.x0, 4);
  EXPECT_EQ(ink.x1, 32);
  EXPECT_EQ(ink.y0, 5);
  EXPECT_EQ(ink.y1, 25);
}

TEST(ReplaySymbol, LoopIsAnOutlineTwoPixelsThick) {
  const MaskPicture mask = ReplaySymbolMask();
  // Ends of the loop at mid height: columns 4, 5 and 30, 31.
  for (int x : {4, 5, 30, 31}) EXPECT_NE(mask.at(x, 15), 0) << x;
  for (int x : {3, 6, 29, 32}) EXPECT_EQ(mask.at(x, 15), 0) << x;
  // The runs: rows 8..9 on top, 20..21 at the bottom, clear of the arrows.
  for (int x : {11, 26}) {
    EXPECT_EQ(ColumnInk(mask, x, 0, 30), 4) << x;
    EXPECT_NE(mask.at(x, 8), 0);
    EXPECT_NE(mask.at(x, 21), 0);
  }
  EXPECT_EQ(mask.at(18, 15), 0);  // hollow inside
  EXPECT_EQ(testing::InkPieces(mask, {0, 0, 36, 30}), 1);
  EXPECT_EQ(testing::Counters(mask, {0, 0, 36, 30}), 1);
}

TEST(ReplaySymbol, ArrowHeadsPointRoundTheLoop) {
  const MaskPicture mask = ReplaySymbolMask();
  // Upright bases: column 21 on rows 5..12, column 14 on rows 17..24.
  for (int y = 5; y <= 12; ++y) EXPECT_NE(mask.at(21, y), 0) << y;
  for (int y = 17; y <= 24; ++y) EXPECT_NE(mask.at(14, y), 0) << y;
  // The top head narrows to the left, the bottom one to the right.
  EXPECT_GT(ColumnInk(mask, 20, 0, 15), ColumnInk(mask, 16, 0, 15));
  EXPECT_GT(ColumnInk(mask, 15, 15, 30), ColumnInk(mask, 19, 15, 30));
  EXPECT_EQ(mask.at(22, 6), 0);  // nothing beyond the base
  EXPECT_EQ(mask.at(13, 23), 0);
}

}  // namespace
}  // namespace vorlune
