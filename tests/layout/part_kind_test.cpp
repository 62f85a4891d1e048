#include "layout/part_kind.h"

#include <gtest/gtest.h>

#include "layout/skin_layout.h"

namespace vorlune {
namespace {

TEST(PartKindTable, GroupsAndFamiliesFollowTheKindRanges) {
  for (PartKind k = 1; k <= 30; ++k) {
    const auto& info = KindInfo(k);
    EXPECT_EQ(info.kind, k);
    const KindRange group = GroupKinds(k);
    for (PartKind j = group.first; j <= group.last; ++j) EXPECT_EQ(GroupOf(j), GroupOf(k));
    if (k <= 8 || k == 30) {
      EXPECT_EQ(info.family, DialogFamily::Button);
      EXPECT_EQ(group.first, k);
      EXPECT_EQ(group.last, k);
    }
  }
  EXPECT_EQ(DialogFamilyOf(9), DialogFamily::TwoColor);
  EXPECT_EQ(DialogFamilyOf(16), DialogFamily::TwoColor);
  EXPECT_EQ(DialogFamilyOf(17), DialogFamily::ThreeColor);
  EXPECT_EQ(DialogFamilyOf(21), DialogFamily::TextColor);
  EXPECT_EQ(GroupKinds(11).first, 9);
  EXPECT_EQ(GroupKinds(11).last, 12);
  EXPECT_EQ(GroupKinds(28).first, 27);
}

TEST(PartKindTable, MeterBitmapsAreNotInKindOrder) {
  EXPECT_EQ(KindInfo(9).canvasBitmap, 144);
  EXPECT_EQ(KindInfo(10).canvasBitmap, 146);
  EXPECT_EQ(KindInfo(11).canvasBitmap, 145);
  EXPECT_EQ(KindInfo(12).canvasBitmap, 147);
  EXPECT_EQ(KindInfo(30).canvasBitmap, 143);
  // Every bitmap 135..164 is used exactly once.
  std::array<int, 30> seen{};
  for (const auto& info : PartKindTable()) ++seen.at(static_cast<std::size_t>(info.canvasBitmap - 135));
  for (int count : seen) EXPECT_EQ(count, 1);
}

TEST(PartKindTable, EverySizeIsEvenAndHorizontalFormsSwapWithVertical) {
  for (const auto& info : PartKindTable()) {
    EXPECT_EQ(info.width % 2, 0) << info.name;
    EXPECT_EQ(info.height % 2, 0) << info.name;
  }
  for (PartKind k : {9, 11, 13, 15, 17, 19}) {
    EXPECT_EQ(KindInfo(k).width, KindInfo(k + 1).height);
    EXPECT_EQ(KindInfo(k).height, KindInfo(k + 1).width);
  }
}

TEST(PartKindTable, KindsAreFoundByNameOrNumber) {
  EXPECT_EQ(KindFromText("Play"), 1);
  EXPECT_EQ(KindFromText("LevelBarH"), 17);
  EXPECT_EQ(KindFromText("30"), 30);
  EXPECT_EQ(KindFromText("0"), std::nullopt);
  EXPECT_EQ(KindFromText("31"), std::nullopt);
  EXPECT_EQ(KindFromText("play"), std::nullopt);
  EXPECT_EQ(KindFromText(""), std::nullopt);
}

TEST(SkinLayout, StartsEmptyWithSizesFromTheTable) {
  const SkinLayout layout = NewSkinLayout();
  EXPECT_EQ(layout.placedCount, 0u);
  EXPECT_FALSE(layout.backgroundLoaded);
  EXPECT_EQ(CountPlacedRows(layout), 0);
  EXPECT_EQ(layout.parts[0].width, 0);
  EXPECT_EQ(layout.parts[0].height, 0);
  for (PartKind k = 0; k <= 30; ++k) {
    EXPECT_FALSE(layout.placed(k));
    EXPECT_EQ(layout.part(k).colors, (ColorTriple{-1, -1, -1}));
  }
  EXPECT_EQ(layout.part(13).width, 128);
  EXPECT_EQ(layout.part(13).height, 160);
  for (char c : layout.databaseName) EXPECT_EQ(c, 0);
  EXPECT_EQ(layout.palette[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(layout.palette[2], (Rgb{128, 0, 0}));
  EXPECT_EQ(layout.palette[16], (Rgb{255, 255, 255}));
}

TEST(SkinLayout, APartAtTheOriginIsPlaced) {
  SkinLayout layout = NewSkinLayout();
  layout.part(1).x = 0;
  layout.part(1).y = 0;
  EXPECT_TRUE(layout.placed(1));
  EXPECT_EQ(CountPlacedRows(layout), 1);
}

}  // namespace
}  // namespace vorlune
