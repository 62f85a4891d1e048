#include <gtest/gtest.h>

#include <set>

#include "skin/mask_picture.h"

namespace vorlune {
namespace {

std::set<int> ValuesUsed(const MaskPicture& mask) {
  std::set<int> used;
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) used.insert(mask.at(x, y));
  }
  return used;
}

// The columns of row y that are inside the shape, as [first, last] runs.
std::vector<std::pair<int, int>> Runs(const MaskPicture& mask, int y) {
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < mask.width; ++x) {
    if (mask.at(x, y) == 0) continue;
    if (!runs.empty() && runs.back().second == x - 1) {
      runs.back().second = x;
    } else {
      runs.push_back({x, x});
    }
  }
  return runs;
}

using RunList = std::vector<std::pair<int, int>>;

TEST(PartShapeMask, EveryKindHasItsPartSizeAndPackedBytes) {
  for (PartKind k = 1; k <= 30; ++k) {
    const MaskPicture& mask = PartShapeMask(k);
    EXPECT_EQ(mask.width, KindInfo(k).width) << k;
    EXPECT_EQ(mask.height, KindInfo(k).height) << k;
    EXPECT_EQ(mask.packed.size(), static_cast<std::size_t>(mask.width / 2 * mask.height)) << k;
  }
  EXPECT_EQ(PartShapeMask(13).packed.size(), 10240u);
  EXPECT_EQ(PartShapeMask(17).packed.size(), 2560u);
  EXPECT_EQ(PartShapeMask(21).packed.size(), 2700u);
  EXPECT_EQ(PartShapeMask(27).packed.size(), 3360u);
}

TEST(PartShapeMask, RuleBuiltKindsUseExactlyTheirValues) {
  const std::set<int> buttons{0, 1};
  for (PartKind k = 1; k <= 8; ++k) EXPECT_EQ(ValuesUsed(PartShapeMask(k)), buttons) << k;
  EXPECT_EQ(ValuesUsed(PartShapeMask(9)), (std::set<int>{1, 2}));
  EXPECT_EQ(ValuesUsed(PartShapeMask(10)), (std::set<int>{1, 2}));
  for (PartKind k = 11; k <= 16; ++k) EXPECT_EQ(ValuesUsed(PartShapeMask(k)), (std::set<int>{0, 1, 2})) << k;
  for (PartKind k = 17; k <= 20; ++k)
    EXPECT_EQ(ValuesUsed(PartShapeMask(k)), (std::set<int>{0, 1, 2, 3})) << k;
  for (PartKind k = 21; k <= 30; ++k) {
    for (int v : ValuesUsed(PartShapeMask(k))) EXPECT_LE(v, 1) << k;
  }
}

TEST(PartShapeMask, PlayIsATriangleWithTheGivenRowWidths) {
  const MaskPicture& play = PartShapeMask(1);
  const int widths[] = {2, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27};
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(Runs(play, 4 + i), (RunList{{5, 5 + widths[i] - 1}})) << i;
    EXPECT_EQ(Runs(play, 25 - i), (RunList{{5, 5 + widths[i] - 1}})) << i;
  }
  EXPECT_EQ(play.at(31, 14), 1);
  EXPECT_EQ(play.at(31, 15), 1);
  for (int y : {0, 1, 2, 3, 26, 27, 28, 29}) EXPECT_TRUE(Runs(play, y).empty()) << y;
}

TEST(PartShapeMask, StopIsASquare) {
  const MaskPicture& stop = PartShapeMask(2);
  for (int y = 0; y < 30; ++y) {
    EXPECT_EQ(Runs(stop, y), (y >= 5 && y <= 24 ? RunList{{8, 27}} : RunList{})) << y;
  }
}

TEST(PartShapeMask, TrackButtonsHaveABarAndTwoTriangles) {
  const MaskPicture& start = PartShapeMask(3);
  EXPECT_EQ(Runs(start, 4), (RunList{{5, 7}, {18, 18}, {29, 29}}));
  EXPECT_EQ(Runs(start, 25), (RunList{{5, 7}, {18, 18}, {29, 29}}));
  EXPECT_EQ(Runs(start, 5), (RunList{{5, 7}, {17, 18}, {28, 29}}));
  EXPECT_EQ(Runs(start, 13), (RunList{{5, 7}, {9, 18}, {20, 29}}));
  EXPECT_EQ(Runs(start, 14), (RunList{{5, 29}}));
  EXPECT_EQ(Runs(start, 15), (RunList{{5, 29}}));
  EXPECT_TRUE(Runs(start, 3).empty());

  const MaskPicture& next = PartShapeMask(4);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 36; ++x) EXPECT_EQ(next.at(x, y), start.at(35 - x, y)) << x << "," << y;
  }
  EXPECT_EQ(Runs(next, 14), (RunList{{6, 30}}));
  EXPECT_EQ(Runs(next, 4), (RunList{{6, 6}, {17, 17}, {28, 30}}));
}

TEST(PartShapeMask, WindButtonsAreTwoTrianglesJoinedInTheMiddle) {
  const MaskPicture& rewind = PartShapeMask(5);
  EXPECT_EQ(Runs(rewind, 4), (RunList{{16, 16}, {27, 27}}));
  EXPECT_EQ(Runs(rewind, 13), (RunList{{7, 16}, {18, 27}}));
  EXPECT_EQ(Runs(rewind, 14), (RunList{{6, 27}}));
  EXPECT_EQ(Runs(rewind, 15), (RunList{{6, 27}}));
  EXPECT_EQ(Runs(rewind, 25), (RunList{{16, 16}, {27, 27}}));

  const MaskPicture& forward = PartShapeMask(6);
  EXPECT_EQ(Runs(forward, 4), (RunList{{8, 8}, {19, 19}}));
  EXPECT_EQ(Runs(forward, 14), (RunList{{8, 29}}));
  EXPECT_EQ(Runs(forward, 20), (RunList{{8, 13}, {19, 24}}));
}

TEST(PartShapeMask, VolumeButtonsArePlusAndMinus) {
  const MaskPicture& plus = PartShapeMask(7);
  const MaskPicture& minus = PartShapeMask(8);
  for (int y = 0; y < 30; ++y) {
    const bool across = y >= 13 && y <= 16;
    EXPECT_EQ(Runs(minus, y), (across ? RunList{{7, 28}} : RunList{})) << y;
    const RunList upright = (y >= 4 && y <= 25) ? RunList{{16, 19}} : RunList{};
    EXPECT_EQ(Runs(plus, y), (across ? RunList{{7, 28}} : upright)) << y;
  }
}

TEST(PartShapeMask, VolumeLevelsShowTwentyTwoOfSixtyFour) {
  const MaskPicture& bar = PartShapeMask(9);
  const MaskPicture& dots = PartShapeMask(11);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 64; ++x) {
      EXPECT_EQ(bar.at(x, y), x <= 21 ? 2 : 1);
      EXPECT_EQ(dots.at(x, y), x % 2 == 1 ? 0 : (x <= 20 ? 2 : 1));
    }
  }
  const MaskPicture& upright = PartShapeMask(10);
  const MaskPicture& uprightDots = PartShapeMask(12);
  for (int y = 0; y < 64; ++y) {
    EXPECT_EQ(upright.at(3, y), y <= 41 ? 1 : 2) << y;
    EXPECT_EQ(uprightDots.at(0, y), y % 2 == 0 ? 0 : (y >= 43 ? 2 : 1)) << y;
  }
}

// The vertical forms are the horizontal ones turned upright, the level growing
// from the bottom: pixel (x, y) of a horizontal form is (y, W - 1 - x) upright.
TEST(PartShapeMask, VerticalFormsAreHorizontalFormsTurnedUpright) {
  for (PartKind horizontal : {9, 11, 13, 15, 17, 19}) {
    const MaskPicture& h = PartShapeMask(horizontal);
    const MaskPicture& v = PartShapeMask(horizontal + 1);
    ASSERT_EQ(v.width, h.height);
    for (int y = 0; y < h.height; ++y) {
      for (int x = 0; x < h.width; ++x) ASSERT_EQ(v.at(y, h.width - 1 - x), h.at(x, y)) << horizontal;
    }
  }
}

TEST(PartShapeMask, EqualizerBandsAndSegments) {
  const int levels[] = {40, 80, 57, 112, 96, 88, 48, 24};
  const MaskPicture& bars = PartShapeMask(13);
  const MaskPicture& dots = PartShapeMask(15);
  for (int b = 0; b < 8; ++b) {
    const int row = 20 * b + 2;
    EXPECT_EQ(bars.at(levels[b] - 1, row), 2);
    EXPECT_EQ(bars.at(levels[b], row + 15), 1);
    EXPECT_TRUE(Runs(bars, row - 1).empty());
    EXPECT_TRUE(Runs(bars, row + 16).empty());
    const RunList segments = Runs(dots, row + 7);
    ASSERT_EQ(segments.size(), 16u);
    for (int s = 0; s < 16; ++s) {
      EXPECT_EQ(segments[static_cast<std::size_t>(s)], std::make_pair(8 * s + 1, 8 * s + 6));
      EXPECT_EQ(dots.at(8 * s + 1, row), s < levels[b] / 8 ? 2 : 1) << b << " " << s;
    }
  }
}

TEST(PartShapeMask, LevelMetersHaveTwoChannelsWithPeakMarks) {
  const MaskPicture& bars = PartShapeMask(17);
  for (int y : {2, 17}) {
    for (int x = 0; x < 128; ++x) EXPECT_EQ(bars.at(x, y), x < 40 ? 2 : (x >= 88 && x <= 95 ? 3 : 1)) << x;
  }
  for (int y : {22, 37}) {
    for (int x = 0; x < 128; ++x) EXPECT_EQ(bars.at(x, y), x < 80 ? 2 : (x >= 104 && x <= 111 ? 3 : 1)) << x;
  }
  for (int y : {0, 1, 18, 21, 38, 39}) EXPECT_TRUE(Runs(bars, y).empty()) << y;

  const MaskPicture& dots = PartShapeMask(19);
  for (int s = 0; s < 16; ++s) {
    EXPECT_EQ(dots.at(8 * s + 3, 5), s <= 4 ? 2 : (s == 11 ? 3 : 1)) << s;
    EXPECT_EQ(dots.at(8 * s + 3, 30), s <= 9 ? 2 : (s == 13 ? 3 : 1)) << s;
    EXPECT_EQ(dots.at(8 * s + 7, 5), 0);
  }
  const MaskPicture& upright = PartShapeMask(20);
  EXPECT_EQ(upright.at(5, 33), 3);
  EXPECT_EQ(upright.at(5, 38), 3);
  EXPECT_EQ(upright.at(30, 17), 3);
  EXPECT_EQ(upright.at(30, 22), 3);
  EXPECT_EQ(upright.at(5, 126), 2);
  EXPECT_EQ(upright.at(5, 127), 0);
}

TEST(PartShapeMask, DisplaysAreCutFromTheirDigitStrips) {
  const int time[] = {2, 3, 10, 5, 6};
  const int track[] = {0, 3};
  for (int face = 1; face <= 3; ++face) {
    const MaskPicture& strip = DigitStrip(face);
    ASSERT_EQ(strip.width, 330);
    ASSERT_EQ(strip.height, 36);
    const MaskPicture& clock = PartShapeMask(20 + face);
    const MaskPicture& number = PartShapeMask(23 + face);
    for (int y = 0; y < 36; ++y) {
      for (int x = 0; x < 30; ++x) {
        for (int c = 0; c < 5; ++c) ASSERT_EQ(clock.at(30 * c + x, y), strip.at(30 * time[c] + x, y));
        for (int c = 0; c < 2; ++c) ASSERT_EQ(number.at(30 * c + x, y), strip.at(30 * track[c] + x, y));
      }
    }
  }
}

TEST(PartShapeMask, TitlesAndReplayAreTheDrawnPictures) {
  for (PartKind k = 27; k <= 29; ++k) EXPECT_EQ(PartShapeMask(k).packed, TitleSampleMask(k).packed) << k;
  EXPECT_EQ(PartShapeMask(30).packed, ReplaySymbolMask().packed);
}

}  // namespace
}  // namespace vorlune
