#include "skin/skin_renderer.h"

#include <gtest/gtest.h>

#include "skin/mask_picture.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;

constexpr Rgb kGrey{128, 128, 128};
constexpr Rgb kBlack{0, 0, 0};

Rgb Picker(int c) {
  return kPickerColors[static_cast<std::size_t>(c)];
}

Rgb BackgroundAt(const SkinLayout& layout, int x, int y) {
  return layout.palette[layout.picture[kReducedHeaderSize + static_cast<std::size_t>(y * 320 + x)]];
}

std::vector<std::uint8_t> SkinOf(const SkinLayout& layout) {
  auto pdb = MakeSkinDatabase(layout, "test.pdb", static_cast<std::int32_t>(layout.placedCount),
                              MakeSkinInfoRecord(layout), testing::kSomeTime);
  EXPECT_TRUE(pdb.ok());
  return pdb.ok() ? *pdb : std::vector<std::uint8_t>{};
}

// Checks a part's window: where `mask` has ink the picture shows inkColor(value),
// elsewhere the layout's background.
template <class InkColor>
void ExpectPartDrawn(const RgbImage& image, const SkinLayout& layout, const MaskPicture& mask, int x0, int y0,
                     InkColor inkColor) {
  int wrong = 0;
  for (int r = 0; r < mask.height; ++r) {
    for (int c = 0; c < mask.width; ++c) {
      const std::uint8_t v = mask.at(c, r);
      const Rgb expected = v == 0 ? BackgroundAt(layout, x0 + c, y0 + r) : inkColor(v);
      wrong += image.at(x0 + c, y0 + r) == expected ? 0 : 1;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(LayoutPreview, ShowsTheBackgroundThroughThePaletteAfterAHeaderOfAnyLength) {
  // A loaded project keeps the header length its file gives.
  SkinLayout layout = testing::SyntheticLayout();
  const std::vector<std::uint8_t> pixels(layout.picture.begin() + kReducedHeaderSize, layout.picture.end());
  layout.picture.assign(54, 0);
  layout.picture.insert(layout.picture.end(), pixels.begin(), pixels.end());
  layout.pixelOffset = 54;
  const RgbImage image = RenderLayoutPreview(layout);
  ASSERT_EQ(image.width, 320);
  ASSERT_EQ(image.height, 320);
  int wrong = 0;
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x) wrong += image.at(x, y) == layout.palette[pixels[y * 320 + x]] ? 0 : 1;
  EXPECT_EQ(wrong, 0);

  layout.picture.pop_back();  // one pixel short: no background at all
  EXPECT_EQ(RenderLayoutPreview(layout).at(0, 0), kGrey);
}

TEST(LayoutPreview, PaintsMaskValuesOneTwoThreeInColoursZeroOneTwo) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 17, 100, 100, {6, 14, 9});
  const RgbImage image = RenderLayoutPreview(layout);
  const ColorTriple colors = layout.part(17).colors;
  ExpectPartDrawn(image, layout, PartShapeMask(17), 100, 100,
                  [&](std::uint8_t v) { return Picker(colors[v - 1u]); });
  // Channel 0 on row 2: bar in the on colour, the rest off, the peak in max.
  EXPECT_EQ(image.at(100 + 0, 102), Picker(14));
  EXPECT_EQ(image.at(100 + 50, 102), Picker(6));
  EXPECT_EQ(image.at(100 + 90, 102), Picker(9));
  EXPECT_EQ(image.at(100 + 90, 100), BackgroundAt(layout, 190, 100));
}

TEST(LayoutPreview, ColourNoneOrOutOfRangePaintsBlackAndNoColourZeroHidesThePart) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 17, 100, 100, {6, 14, kNoColor});   // the peak markers have no colour
  Place(layout, 1, 0, 0, {kNoColor, 9, kNoColor});  // colour 0 not set: not shown
  Place(layout, 9, 0, 300, {20, 14, kNoColor});     // 20 is no picker colour
  const RgbImage image = RenderLayoutPreview(layout);
  EXPECT_EQ(image.at(100 + 90, 102), kBlack);
  EXPECT_EQ(image.at(100 + 50, 102), Picker(6));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 36; ++x) ASSERT_EQ(image.at(x, y), BackgroundAt(layout, x, y));
  EXPECT_EQ(image.at(40, 300), kBlack);
  EXPECT_EQ(image.at(0, 300), Picker(14));
}

// On the grey of a layout without background each kind changes exactly the
// pixels its mask inks; parts not placed are not drawn, whatever colours they keep.
TEST(LayoutPreview, EveryKindDrawsExactlyItsMask) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    SCOPED_TRACE(k);
    SkinLayout layout = NewSkinLayout();
    Place(layout, k, 320 - KindInfo(k).width, 320 - KindInfo(k).height, {15, 9, 12});
    layout.part(k == 2 ? 1 : 2).colors = {9, kNoColor, kNoColor};
    const RgbImage image = RenderLayoutPreview(layout);
    const MaskPicture& mask = PartShapeMask(k);
    int inked = 0, changed = 0;
    for (int y = 0; y < 320; ++y)
      for (int x = 0; x < 320; ++x) changed += image.at(x, y) == kGrey ? 0 : 1;
    for (int y = 0; y < mask.height; ++y)
      for (int x = 0; x < mask.width; ++x) inked += mask.at(x, y) != 0 ? 1 : 0;
    EXPECT_GT(inked, 0);
    EXPECT_EQ(changed, inked);
  }
}

TEST(SkinPicture, ShowsBackgroundAndEachPartsFirstStateOnly) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  Place(layout, 2, 40, 0, {15, kNoColor, kNoColor});
  Place(layout, 3, 80, 0, {kNoColor, kNoColor, kNoColor});  // no picture
  Place(layout, 17, 100, 100, {6, 14, 9});
  Result<RgbImage> image = RenderSkinDatabase(SkinOf(layout));
  ASSERT_TRUE(image.ok()) << image.error().text;
  ExpectPartDrawn(*image, layout, PartShapeMask(1), 0, 0, [](std::uint8_t) { return Picker(9); });
  ExpectPartDrawn(*image, layout, PartShapeMask(2), 40, 0, [](std::uint8_t) { return Picker(15); });
  ExpectPartDrawn(*image, layout, MaskPicture(36, 30), 80, 0, [](std::uint8_t) { return kBlack; });
  // Every state has the whole shape; the first is in the off colour.
  ExpectPartDrawn(*image, layout, PartShapeMask(17), 100, 100, [](std::uint8_t) { return Picker(6); });
  EXPECT_EQ(image->at(319, 319), BackgroundAt(layout, 319, 319));
}

TEST(SkinPicture, TitleWithoutATextColourIsABlackBox) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 28, 40, 280, {14, kNoColor, kNoColor});
  Result<RgbImage> image = RenderSkinDatabase(SkinOf(layout));
  ASSERT_TRUE(image.ok()) << image.error().text;
  ExpectPartDrawn(*image, layout, PartShapeMask(28), 40, 280, [](std::uint8_t) { return Picker(14); });
  layout.part(28).colors = {kNoColor, kNoColor, kNoColor};
  image = RenderSkinDatabase(SkinOf(layout));
  ASSERT_TRUE(image.ok()) << image.error().text;
  ExpectPartDrawn(*image, layout, MaskPicture(240, 22), 40, 280, [](std::uint8_t) { return kBlack; });
}

// Digit displays show only their sample, nothing of the 330-pixel strip beyond it.
TEST(SkinPicture, AgreesWithThePreviewForOneColourParts) {
  SkinLayout layout = testing::SyntheticLayout();
  for (PartKind k = 1; k <= 8; ++k)
    Place(layout, k, 4 + 39 * (k - 1), 280, {static_cast<PickerIndex>(k + 7), 2, kNoColor});
  Place(layout, 30, 4, 240, {15, 12, kNoColor});
  Place(layout, 21, 10, 40, {14, kNoColor, kNoColor});
  Place(layout, 25, 200, 40, {11, kNoColor, kNoColor});
  Place(layout, 27, 10, 4, {15, kNoColor, kNoColor});
  Result<RgbImage> skin = RenderSkinDatabase(SkinOf(layout));
  ASSERT_TRUE(skin.ok()) << skin.error().text;
  EXPECT_TRUE(skin->rgb == RenderLayoutPreview(layout).rgb);
}

TEST(SkinPicture, RefusesWhatIsNotASkin) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  std::vector<std::uint8_t> pdb = SkinOf(layout);
  pdb.resize(pdb.size() - 1);
  Result<RgbImage> image = RenderSkinDatabase(pdb);
  ASSERT_FALSE(image.ok());
  EXPECT_EQ(image.error().text.rfind("Error : ", 0), 0u) << image.error().text;
  EXPECT_FALSE(RenderSkinDatabase({}).ok());
}

}  // namespace
}  // namespace vorlune
