#include "layout/placement_rules.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

constexpr PartKind kPlay = 1;
constexpr PartKind kStop = 2;

void Place(SkinLayout& layout, PartKind k, CanvasPoint at) {
  layout.part(k).x = at.x;
  layout.part(k).y = at.y;
  ++layout.placedCount;
}

TEST(PreviewPosition, ButtonNearTheTopLeftCorner) {
  EXPECT_EQ(PreviewPosition(kPlay, {38, 36}), (CanvasPoint{0, 1}));
  EXPECT_EQ(PreviewPosition(kPlay, {39, 37}), (CanvasPoint{0, 1}));  // moved down to even pixels
  EXPECT_FALSE(PreviewPosition(kPlay, {38, 35}));                    // inside the area, but y would be -1
  EXPECT_FALSE(PreviewPosition(kPlay, {38, 34}));                    // outside the area
  EXPECT_FALSE(PreviewPosition(kPlay, {37, 36}));
}

TEST(PreviewPosition, ButtonNearTheBottomRightCorner) {
  EXPECT_EQ(PreviewPosition(kPlay, {321, 324}), (CanvasPoint{282, 289}));
  EXPECT_FALSE(PreviewPosition(kPlay, {322, 324}));
  EXPECT_FALSE(PreviewPosition(kPlay, {321, 325}));
  EXPECT_FALSE(PreviewPosition(kPlay, {-38, -36}));
}

TEST(PreviewPosition, AcceptedPositionsKeepEveryKindOnTheCanvas) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    int accepted = 0;
    for (int cy = 0; cy < 360; ++cy) {
      for (int cx = 0; cx < 360; ++cx) {
        const auto at = PreviewPosition(k, {cx, cy});
        if (!at) continue;
        ++accepted;
        ASSERT_TRUE(LiesOnCanvas(k, *at)) << "kind " << k << " at client " << cx << "," << cy;
        // Half sizes decide the parity: a button (half height 15) lands on odd rows.
        EXPECT_EQ(at->x % 2, (KindInfo(k).width / 2) % 2);
        EXPECT_EQ(at->y % 2, (KindInfo(k).height / 2) % 2);
      }
    }
    EXPECT_GT(accepted, 0) << "kind " << k;
  }
}

TEST(Touches, EdgesThatMeetTouch) {
  SkinLayout layout = NewSkinLayout();
  Place(layout, kPlay, {0, 1});  // columns 0..35
  EXPECT_EQ(FirstTouchedPart(layout, kStop, {36, 1}), kPlay);
  EXPECT_FALSE(FirstTouchedPart(layout, kStop, {38, 1}));
  EXPECT_EQ(FirstTouchedPart(layout, kStop, {0, 31}), kPlay);  // rows 1..30, then row 31
  EXPECT_FALSE(FirstTouchedPart(layout, kStop, {0, 33}));
  EXPECT_EQ(FirstTouchedPart(layout, kStop, {10, 10}), kPlay);  // overlap
  // A part is never tested against its own row.
  EXPECT_FALSE(FirstTouchedPart(layout, kPlay, {0, 1}));
}

TEST(HitTest, HalfOpenRectanglesInKindOrder) {
  SkinLayout layout = NewSkinLayout();
  Place(layout, kStop, {0, 1});
  EXPECT_EQ(HitTest(layout, {20, 21}), kStop);
  EXPECT_EQ(HitTest(layout, {55, 50}), kStop);
  EXPECT_FALSE(HitTest(layout, {56, 50}));
  EXPECT_FALSE(HitTest(layout, {20, 51}));
  EXPECT_FALSE(HitTest(layout, {19, 21}));
  EXPECT_FALSE(HitTest(layout, {20, 20}));
  // Only a damaged file could hold overlapping parts; the lower kind wins.
  Place(layout, kPlay, {0, 1});
  EXPECT_EQ(HitTest(layout, {30, 30}), kPlay);
}

TEST(EnabledPartButtons, GroupsOfPlacedAndLiftedKindsAreDisabled) {
  SkinLayout layout = NewSkinLayout();
  PlacementState state;
  PartButtonStates enabled = EnabledPartButtons(layout, state);
  EXPECT_FALSE(enabled[0]);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) EXPECT_TRUE(enabled[static_cast<std::size_t>(k)]);

  Place(layout, 14, {10, 10});
  Place(layout, kPlay, {200, 201});
  state.currentKind = 25;  // a lifted track display
  state.movingFlag = 1;
  enabled = EnabledPartButtons(layout, state);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const bool disabled = k == kPlay || (k >= 13 && k <= 16) || (k >= 24 && k <= 26);
    EXPECT_EQ(enabled[static_cast<std::size_t>(k)], !disabled) << "kind " << k;
  }
  EXPECT_EQ(PlacedKindOfGroup(layout, 16), 14);
  EXPECT_FALSE(PlacedKindOfGroup(layout, 25));

  // A kind chosen as a new part does not disable anything yet.
  state.movingFlag = 0;
  EXPECT_TRUE(EnabledPartButtons(layout, state)[25]);
}

}  // namespace
}  // namespace vorlune
