#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

#include "digit_shape_support.h"
#include "skin/mask_picture.h"

namespace vorlune {
namespace {

using testing::Counters;
using testing::InkBounds;
using testing::InkCount;
using testing::InkPieces;
using testing::Window;

constexpr int kColon = 10;

Window Cell(int cell) {
  return {cell * kDigitCellWidth, 0, (cell + 1) * kDigitCellWidth, kDigitStripHeight};
}

// The ink box a glyph must keep to, in strip coordinates.
Window AllowedBox(int typeface, int cell) {
  struct Boxes {
    Window digit, one, colon;
  };
  static const std::array<Boxes, 3> boxes{{
      {{2, 2, 28, 34}, {4, 2, 28, 34}, {11, 8, 19, 30}},
      {{3, 2, 27, 34}, {10, 2, 19, 34}, {12, 9, 18, 29}},
      {{4, 2, 27, 34}, {4, 2, 27, 34}, {13, 8, 18, 30}},
  }};
  const Boxes& b = boxes[static_cast<std::size_t>(typeface - 1)];
  Window w = cell == kColon ? b.colon : cell == 1 ? b.one : b.digit;
  const int left = cell * kDigitCellWidth;
  return {w.x0 + left, w.y0, w.x1 + left, w.y1};
}

bool SameCells(const MaskPicture& a, int cellA, const MaskPicture& b, int cellB) {
  for (int y = 0; y < kDigitStripHeight; ++y)
    for (int x = 0; x < kDigitCellWidth; ++x)
      if (a.at(cellA * kDigitCellWidth + x, y) != b.at(cellB * kDigitCellWidth + x, y)) return false;
  return true;
}

class DigitStripTest : public ::testing::TestWithParam<int> {};

TEST_P(DigitStripTest, IsElevenDifferentCellsOfInkOnly) {
  const MaskPicture& strip = DigitStrip(GetParam());
  EXPECT_EQ(strip.width, 330);
  EXPECT_EQ(strip.height, 36);
  EXPECT_EQ(strip.packed.size(), 5940u);
  EXPECT_EQ(testing::ValuesOtherThanInk(strip, {0, 0, 330, 36}), 0);
  for (int a = 0; a <= kColon; ++a)
    for (int b = a + 1; b <= kColon; ++b) EXPECT_FALSE(SameCells(strip, a, strip, b)) << a << " and " << b;
}

TEST_P(DigitStripTest, InkKeepsToEachGlyphsBoxAndFiguresStandFullHeight) {
  const MaskPicture& strip = DigitStrip(GetParam());
  for (int cell = 0; cell <= kColon; ++cell) {
    SCOPED_TRACE(cell);
    const Window allowed = AllowedBox(GetParam(), cell);
    const Window ink = InkBounds(strip, Cell(cell));
    ASSERT_GT(ink.x1, 0) << "blank cell";
    EXPECT_GE(ink.x0, allowed.x0);
    EXPECT_GE(ink.y0, allowed.y0);
    EXPECT_LE(ink.x1, allowed.x1);
    EXPECT_LE(ink.y1, allowed.y1);
    if (cell != kColon) {  // figures stand full height
      EXPECT_LE(ink.y0, 3);
      EXPECT_GE(ink.y1, 33);
    }
  }
}

TEST_P(DigitStripTest, EachFigureIsOnePieceWithItsCounters) {
  // Enclosed counters per digit 0..9; the squared 4 is open at the top.
  const std::array<int, 10> heavyOrSerif{1, 0, 0, 0, 1, 0, 1, 0, 2, 1};
  std::array<int, 10> expected = heavyOrSerif;
  if (GetParam() == 2) expected[4] = 0;
  const MaskPicture& strip = DigitStrip(GetParam());
  for (int digit = 0; digit <= 9; ++digit) {
    SCOPED_TRACE(digit);
    EXPECT_EQ(InkPieces(strip, Cell(digit)), 1) << "a stroke is broken";
    EXPECT_EQ(Counters(strip, Cell(digit)), expected[static_cast<std::size_t>(digit)]);
  }
}

TEST_P(DigitStripTest, ColonIsTwoEqualDots) {
  const MaskPicture& strip = DigitStrip(GetParam());
  const Window cell = Cell(kColon);
  EXPECT_EQ(InkPieces(strip, cell), 2);
  const Window upper{cell.x0, 0, cell.x1, 18};
  const Window lower{cell.x0, 18, cell.x1, 36};
  EXPECT_EQ(InkPieces(strip, upper), 1);
  EXPECT_EQ(InkCount(strip, upper), InkCount(strip, lower));
  EXPECT_GE(InkCount(strip, upper), 16);
}

INSTANTIATE_TEST_SUITE_P(Typefaces, DigitStripTest, ::testing::Values(1, 2, 3));

TEST(DigitStrip, TypefacesDifferInEveryCell) {
  for (int cell = 0; cell <= kColon; ++cell) {
    EXPECT_FALSE(SameCells(DigitStrip(1), cell, DigitStrip(2), cell)) << cell;
    EXPECT_FALSE(SameCells(DigitStrip(1), cell, DigitStrip(3), cell)) << cell;
    EXPECT_FALSE(SameCells(DigitStrip(2), cell, DigitStrip(3), cell)) << cell;
  }
}

TEST(DigitStrip, IsDrawnOnceAndRefusesUnknownTypefaces) {
  EXPECT_EQ(&DigitStrip(2), &DigitStrip(2));
  EXPECT_THROW(DigitStrip(0), std::out_of_range);
  EXPECT_THROW(DigitStrip(4), std::out_of_range);
}

}  // namespace
}  // namespace vorlune
