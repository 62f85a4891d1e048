#include <gtest/gtest.h>

#include "image/cell_index_table.h"
#include "image/import_support.h"
#include "image/true_color_levels.h"

namespace vorlune {
namespace {

using testing::Imported;
using testing::ReducedEntry;
using testing::ReducedPixel;
using testing::UniformTrueColor;

ChannelHistogram Histogram(std::vector<std::pair<int, std::uint32_t>> counts) {
  ChannelHistogram h{};
  for (auto [value, count] : counts) h[value] = count;
  return h;
}

void ExpectEveryPixel(const ImportedBackground& b, int position) {
  for (int row = 0; row < 320; ++row) {
    for (int x = 0; x < 320; ++x) ASSERT_EQ(ReducedPixel(b, x, row), position);
  }
}

TEST(TrueColorLevels, SingleValueGetsLevelsAroundIt) {
  EXPECT_EQ(ComputeChannelLevels(Histogram({{100, 102400}}), Channel::Green),
            (ChannelLevels{97, 98, 99, 100, 102, 103}));
  EXPECT_EQ(ComputeChannelLevels(Histogram({{3, 102400}}), Channel::Blue), (ChannelLevels{0, 1, 2, 3, 5, 6}));
  EXPECT_EQ(ComputeChannelLevels(Histogram({{252, 102400}}), Channel::Red),
            (ChannelLevels{249, 250, 251, 252, 254, 255}));
  EXPECT_FALSE(HasEqualLevels(ChannelLevels{97, 98, 99, 100, 102, 103}));
}

TEST(TrueColorLevels, TwoValues) {
  EXPECT_EQ(ComputeChannelLevels(Histogram({{50, 51200}, {150, 51200}}), Channel::Red),
            (ChannelLevels{48, 49, 50, 101, 102, 150}));
}

TEST(TrueColorLevels, ZeroGivesEqualLevels) {
  const ChannelLevels zero = ComputeChannelLevels(Histogram({{0, 102400}}), Channel::Red);
  EXPECT_EQ(zero, (ChannelLevels{0, 0, 0, 0, 2, 3}));
  EXPECT_TRUE(HasEqualLevels(zero));
}

TEST(TrueColorLevels, AtTheTopRedStaysWhileGreenAndBlueWrap) {
  const auto h = Histogram({{255, 102400}});
  EXPECT_EQ(ComputeChannelLevels(h, Channel::Red), (ChannelLevels{252, 253, 254, 0, 0, 255}));
  EXPECT_EQ(ComputeChannelLevels(h, Channel::Green), (ChannelLevels{252, 253, 254, 0, 1, 255}));
  EXPECT_EQ(ComputeChannelLevels(h, Channel::Blue), (ChannelLevels{252, 253, 254, 0, 1, 255}));
}

TEST(TrueColorLevels, OuterLevelsReachValuesOfMoreThan100Pixels) {
  EXPECT_EQ(ComputeChannelLevels(Histogram({{10, 200}, {128, 102000}, {240, 200}}), Channel::Red),
            (ChannelLevels{8, 9, 10, 128, 129, 240}));
  // Exactly 100 pixels are not enough.
  EXPECT_EQ(ComputeChannelLevels(Histogram({{10, 100}, {128, 102200}, {240, 100}}), Channel::Red),
            (ChannelLevels{8, 9, 10, 128, 129, 128}));
}

TEST(ColorGrid, DarknessBranchDropsTheNextTwoDarkestCells) {
  WorkingPalette palette{};
  const ChannelLevels steps{10, 20, 30, 40, 50, 60};
  // (0,0,1), (0,1,0) and (1,0,0) are equally dark: the first two visited go.
  const ColorGrid grid = BuildColorGrid({steps, steps, steps}, palette);
  EXPECT_EQ(grid.dropped[0], (Cell{0, 0, 1}));
  EXPECT_EQ(grid.dropped[1], (Cell{0, 1, 0}));
  EXPECT_EQ(grid.replacement[0], (Cell{0, 0, 0}));
  EXPECT_EQ(grid.replacement[1], (Cell{0, 0, 0}));
  EXPECT_EQ(grid.PositionOf({0, 0, 1}), 0);
  EXPECT_EQ(grid.PositionOf({0, 1, 0}), 0);
  EXPECT_EQ(grid.PositionOf({0, 0, 2}), 1);
  EXPECT_EQ(grid.PositionOf({1, 0, 0}), 34);
  EXPECT_EQ(grid.PositionOf({5, 5, 5}), 213);
  EXPECT_EQ(palette[1], (Rgb{10, 10, 30}));
  EXPECT_EQ(palette[213], (Rgb{60, 60, 60}));
}

TEST(ColorGrid, EqualLevelsDropNextToTheOriginInTheFirstChannelFound) {
  WorkingPalette palette{};
  const ChannelLevels distinct{10, 20, 30, 40, 50, 60};
  const ChannelLevels twice{10, 20, 20, 40, 40, 60};  // pairs (1,2) and (3,4)
  const ColorGrid green = BuildColorGrid({distinct, twice, twice}, palette);
  EXPECT_EQ(green.replacement, (std::array<Cell, 2>{Cell{0, 1, 0}, Cell{0, 1, 1}}));
  EXPECT_EQ(green.dropped, (std::array<Cell, 2>{Cell{0, 2, 0}, Cell{0, 2, 1}}));

  const ChannelLevels early{10, 10, 30, 40, 50, 60};  // pair (0,1) comes first
  const ColorGrid blue = BuildColorGrid({twice, distinct, early}, palette);
  EXPECT_EQ(blue.replacement, (std::array<Cell, 2>{Cell{0, 0, 0}, Cell{0, 1, 0}}));
  EXPECT_EQ(blue.dropped, (std::array<Cell, 2>{Cell{0, 0, 1}, Cell{0, 1, 1}}));
  EXPECT_EQ(blue.PositionOf({0, 1, 1}), blue.PositionOf({0, 1, 0}));
  // Red wins over green within the same pair.
  const ColorGrid red = BuildColorGrid({early, early, distinct}, palette);
  EXPECT_EQ(red.dropped, (std::array<Cell, 2>{Cell{1, 0, 0}, Cell{1, 0, 1}}));
}

TEST(TrueColorReduction, SingleColourExample) {
  const auto b = Imported(UniformTrueColor({100, 150, 200}));
  EXPECT_TRUE(b.reductionNoticeDue);
  EXPECT_EQ(b.colorsUsed, 214u);
  // Levels 97..100, 102, 103 (and likewise for green and blue); no equal
  // levels, so cells (1,0,0) and (0,1,0) are dropped for (0,0,0).
  EXPECT_EQ(ReducedEntry(b, 0), (Rgb{97, 147, 197}));
  EXPECT_EQ(ReducedEntry(b, 4), (Rgb{97, 147, 202}));
  EXPECT_EQ(ReducedEntry(b, 5), (Rgb{97, 147, 203}));
  EXPECT_EQ(ReducedEntry(b, 6), (Rgb{97, 148, 198}));   // (0,1,0) skipped
  EXPECT_EQ(ReducedEntry(b, 35), (Rgb{98, 147, 198}));  // (1,0,0) skipped
  EXPECT_EQ(ReducedEntry(b, 127), (Rgb{100, 150, 200}));
  EXPECT_EQ(ReducedEntry(b, 213), (Rgb{103, 153, 203}));
  ExpectEveryPixel(b, 127);
}

TEST(TrueColorReduction, EqualLevelExamples) {
  const auto red = Imported(UniformTrueColor({0, 150, 200}));
  EXPECT_EQ(ReducedEntry(red, 21), (Rgb{0, 150, 200}));
  EXPECT_EQ(ReducedEntry(red, 36), (Rgb{0, 147, 199}));  // (1,0,0) and (1,0,1) skipped
  ExpectEveryPixel(red, 21);

  const auto green = Imported(UniformTrueColor({100, 0, 0}));
  EXPECT_EQ(ReducedEntry(green, 6), (Rgb{97, 0, 0}));  // (0,1,0) and (0,1,1) skipped
  EXPECT_EQ(ReducedEntry(green, 106), (Rgb{100, 0, 0}));
  ExpectEveryPixel(green, 106);

  const auto blue = Imported(UniformTrueColor({100, 150, 0}));
  EXPECT_EQ(ReducedEntry(blue, 1), (Rgb{97, 147, 0}));
  ExpectEveryPixel(blue, 124);
}

TEST(TrueColorReduction, AlwaysGives214EntriesAndNearestLevels) {
  // Two colours side by side; every pixel must show the table colour of its
  // nearest levels, and the table keeps 214 entries even for two colours.
  const auto b = Imported([] {
    testing::TestBmp bmp;
    bmp.pixels = testing::TrueColorPixels([](int x, int) {
      return x < 160 ? Rgb{60, 60, 60} : Rgb{180, 180, 180};
    });
    return bmp;
  }());
  EXPECT_EQ(b.colorsUsed, 214u);
  EXPECT_EQ(ReducedEntry(b, ReducedPixel(b, 10, 10)), (Rgb{60, 60, 60}));
  EXPECT_EQ(ReducedEntry(b, ReducedPixel(b, 300, 10)), (Rgb{180, 180, 180}));
}

}  // namespace
}  // namespace vorlune
