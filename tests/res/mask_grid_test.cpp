#include "mask_grid.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

// Eight bands of 16 rows with 4-row gaps, like an equaliser.
MaskGrid Bands() {
  MaskGrid grid(20, 160);
  for (int b = 0; b < 8; ++b)
    for (int y = 20 * b + 2; y <= 20 * b + 17; ++y)
      for (int x = 0; x < 20; ++x) grid.set(x, y, x < 5 + b ? 2 : 1);
  return grid;
}

int CountRuns(const MaskGrid& grid, int column, std::uint8_t inside) {
  int runs = 0;
  for (int y = 0; y < grid.height; ++y)
    if ((grid.at(column, y) != 0) == (inside != 0) &&
        (y == 0 || (grid.at(column, y - 1) != 0) != (inside != 0)))
      ++runs;
  return runs;
}

TEST(MaskGrid, TrimKeepsOnlyTheInkedBox) {
  const MaskGrid trimmed = TrimEmptyBorder(Bands());
  EXPECT_EQ(trimmed.width, 20);
  EXPECT_EQ(trimmed.height, 156);
  EXPECT_EQ(trimmed.at(0, 0), 2);
  EXPECT_EQ(TrimEmptyBorder(MaskGrid(4, 4)).width, 0);
}

TEST(MaskGrid, ShrinkingRunsKeepsEveryBandAndGap) {
  const MaskGrid shrunk = ShrinkRunsToFit(Bands(), 36, 31);
  EXPECT_LE(shrunk.height, 31);
  EXPECT_EQ(shrunk.width, 20);  // already fits across
  EXPECT_EQ(CountRuns(shrunk, 0, 1), 8);
  EXPECT_EQ(CountRuns(shrunk, 0, 0), 9);
  // The level boundaries within the bands survive as well.
  for (int y = 0; y < shrunk.height; ++y)
    if (shrunk.at(0, y) != 0) {
      EXPECT_EQ(shrunk.at(0, y), 2);
    }
}

TEST(MaskGrid, ShrinkingStopsAtOneLinePerRun) {
  MaskGrid stripes(2, 64);  // 64 runs of one line cannot fit into 31
  for (int y = 0; y < 64; y += 2) stripes.set(0, y, 1);
  const MaskGrid shrunk = ShrinkRunsToFit(stripes, 2, 31);
  EXPECT_EQ(shrunk.height, 64);
  const MaskGrid cropped = CropToBox(shrunk, 2, 31, CropAnchor::Centre);
  EXPECT_EQ(cropped.height, 31);
  EXPECT_EQ(cropped.at(0, 0), shrunk.at(0, 16));
}

TEST(MaskGrid, CropFromTheLeftKeepsTheFirstColumns) {
  MaskGrid grid(100, 10);
  grid.set(0, 5, 1);
  const MaskGrid cropped = CropToBox(grid, 36, 31, CropAnchor::Left);
  EXPECT_EQ(cropped.width, 36);
  EXPECT_EQ(cropped.height, 10);
  EXPECT_EQ(cropped.at(0, 5), 1);
}

TEST(MaskGrid, LetteringScalesWithFaintInkForThinStrokes) {
  MaskGrid grid(40, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 20; ++x) grid.set(x, y, 1);  // a thick block
    grid.set(30, y, 1);                              // a hairline
  }
  const MaskGrid scaled = ScaleLettering(grid, 10, 10);
  ASSERT_EQ(scaled.width, 10);
  ASSERT_EQ(scaled.height, 10);
  EXPECT_EQ(scaled.at(2, 5), 1);
  EXPECT_EQ(scaled.at(7, 5), kFaintInk);
  EXPECT_EQ(scaled.at(9, 5), 0);
}

}  // namespace
}  // namespace vorlune
