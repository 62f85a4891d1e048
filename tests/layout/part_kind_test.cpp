#include "layout/part_kind.h"

#include <gtest/gtest.h>

#include "layout/skin_layout.h"

namespace vorlune {
namespace {

TEST(PartKindTable, GroupsAndFamiliesFollowTheKindRanges) {
  for (PartKind k = 1; k <= 30; ++k) {
    const KindRange group = GroupKinds(k);
    for (PartKind j = group.first; j <= group.last; ++j) EXPECT_EQ(GroupOf(j), GroupOf(k));
    if (k <= 8 || k == 30) {
      EXPECT_EQ(DialogFamilyOf(k), DialogFamily::Button);
      EXPECT_EQ(group.first, k);
      EXPECT_EQ(group.last, k);
    }
  }
  EXPECT_EQ(DialogFamilyOf(16), DialogFamily::TwoColor);
  EXPECT_EQ(DialogFamilyOf(17), DialogFamily::ThreeColor);
  EXPECT_EQ(DialogFamilyOf(21), DialogFamily::TextColor);
  EXPECT_EQ(GroupKinds(11).first, 9);
  EXPECT_EQ(GroupKinds(11).last, 12);
  EXPECT_EQ(GroupKinds(28).first, 27);
}

TEST(PartKindTable, KindsAreFoundByNameOrNumber) {
  EXPECT_EQ(KindFromText("Play"), 1);
  EXPECT_EQ(KindFromText("LevelBarH"), 17);
  EXPECT_EQ(KindFromText("30"), 30);
  for (const char* text : {"0", "31", "play", ""}) EXPECT_EQ(KindFromText(text), std::nullopt) << text;
}

TEST(SkinLayout, StartsEmptyAndAPartAtTheOriginIsPlaced) {
  SkinLayout layout = NewSkinLayout();
  EXPECT_EQ(CountPlacedRows(layout), 0);
  for (PartKind k = 0; k <= 30; ++k) EXPECT_EQ(layout.part(k).colors, (ColorTriple{-1, -1, -1}));
  layout.part(1).x = 0;
  layout.part(1).y = 0;
  EXPECT_TRUE(layout.placed(1));
  EXPECT_EQ(CountPlacedRows(layout), 1);
}

}  // namespace
}  // namespace vorlune
