#include <gtest/gtest.h>

#include <stdexcept>

#include "digit_shape_support.h"
#include "skin/mask_picture.h"

namespace vorlune {
namespace {

using testing::InkBounds;
using testing::InkPieces;
using testing::Window;

struct TitleCase {
  PartKind kind;
  int height;
  Window box;  // the ink box, exclusive ends
};

class TitleSampleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleSampleTest, HasThePartsSizeAndOnlyInk) {
  const MaskPicture mask = TitleSampleMask(GetParam().kind);
  EXPECT_EQ(mask.width, 240);
  EXPECT_EQ(mask.height, GetParam().height);
  EXPECT_EQ(mask.packed.size(), static_cast<std::size_t>(120 * GetParam().height));
  EXPECT_EQ(testing::ValuesOtherThanInk(mask, {0, 0, 240, mask.height}), 0);
}

TEST_P(TitleSampleTest, IsLeftAlignedAndFillsItsBoxHeight) {
  const MaskPicture mask = TitleSampleMask(GetParam().kind);
  const Window box = GetParam().box;
  const Window ink = InkBounds(mask, {0, 0, 240, mask.height});
  EXPECT_EQ(ink.x0, box.x0);
  EXPECT_EQ(ink.y0, box.y0);  // the top of the H
  EXPECT_EQ(ink.y1, box.y1);  // the tail of the q
  EXPECT_LE(ink.x1, box.x1);
  EXPECT_GE(ink.x1, box.x1 - 8) << "the name should span its box";
}

TEST_P(TitleSampleTest, SpellsTwelveSeparateLetters) {
  // H a r m o n i q u e s t: twelve letters, the i with its dot apart.
  const MaskPicture mask = TitleSampleMask(GetParam().kind);
  EXPECT_EQ(InkPieces(mask, {0, 0, 240, mask.height}), 13);
}

TEST_P(TitleSampleTest, OnlyTheQDescends) {
  // Below the baseline only one letter has ink, and it is the eighth.
  const MaskPicture mask = TitleSampleMask(GetParam().kind);
  const Window box = GetParam().box;
  const Window tail = InkBounds(mask, {0, box.y1 - 2, 240, box.y1});
  ASSERT_GT(tail.x1, 0);
  EXPECT_LE(tail.x1 - tail.x0, 3);
  EXPECT_GT(tail.x0, (box.x1 - box.x0) / 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TitleSampleTest,
                         ::testing::Values(TitleCase{27, 28, {3, 3, 145, 26}},
                                           TitleCase{28, 22, {2, 2, 116, 20}},
                                           TitleCase{29, 14, {1, 1, 73, 14}}));

TEST(TitleSample, RefusesOtherKinds) {
  EXPECT_THROW(TitleSampleMask(26), std::out_of_range);
  EXPECT_THROW(TitleSampleMask(30), std::out_of_range);
}

}  // namespace
}  // namespace vorlune
