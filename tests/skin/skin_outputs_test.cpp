// The skin's byte-exact outputs (shapes, databases, pictures) against their
// golden SHA-256; the refusals, which make no bytes, by their messages.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "skin/mask_picture.h"
#include "skin/skin_database_writer.h"
#include "skin/skin_info_record.h"
#include "skin/skin_renderer.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;

std::vector<std::uint8_t> Dimensioned(int width, int height, const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> out(bytes);
  out.push_back(static_cast<std::uint8_t>(width));
  out.push_back(static_cast<std::uint8_t>(height));
  return out;
}

TEST(SkinOutputs, ShapesOfEveryKindAndTypeface) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const MaskPicture& mask = PartShapeMask(k);
    EXPECT_GOLDEN("mask " + std::to_string(k), Dimensioned(mask.width, mask.height, mask.packed));
  }
  for (int face = 1; face <= 3; ++face) {
    const MaskPicture& strip = DigitStrip(face);
    EXPECT_GOLDEN("digits " + std::to_string(face), Dimensioned(strip.width, strip.height, strip.packed));
  }
  EXPECT_EQ(&DigitStrip(2), &DigitStrip(2));
  EXPECT_THROW(DigitStrip(0), std::out_of_range);
  EXPECT_THROW(DigitStrip(4), std::out_of_range);
  EXPECT_THROW(TitleSampleMask(26), std::out_of_range);
  for (PartKind k = 27; k <= 29; ++k) EXPECT_EQ(PartShapeMask(k).packed, TitleSampleMask(k).packed);
  EXPECT_EQ(PartShapeMask(30).packed, ReplaySymbolMask().packed);
}

struct SkinCase {
  std::string name;
  SkinLayout layout;
};

std::vector<SkinCase> SkinCases() {
  std::vector<SkinCase> cases;
  SkinLayout two = testing::SyntheticLayout();
  Place(two, 1, 10, 270, {9, 12, kNoColor});
  Place(two, 2, 60, 270, {15, 14, kNoColor});
  cases.push_back({"two buttons", two});

  SkinLayout families = testing::EveryFamilyLayout();
  // Texts with leftovers after their terminators, which the info record keeps for the author only.
  std::memcpy(families.databaseName.data(), "AB\0LONGTITLE", 12);
  std::memcpy(families.databaseAuthor.data(), "XY\0DEF", 6);
  std::memcpy(families.databaseVersion.data(),
              "1\0"
              "3456",
              6);
  cases.push_back({"every family", families});

  // Colours none, out of the picker's range or past 0x80, and a title without text colour.
  SkinLayout odd = testing::SyntheticLayout();
  Place(odd, 17, 100, 100, {6, 14, kNoColor});
  Place(odd, 1, 0, 0, {kNoColor, 9, kNoColor});
  Place(odd, 2, 40, 0, {static_cast<PickerIndex>(0x80), 1, 2});
  Place(odd, 9, 0, 300, {20, 14, kNoColor});
  Place(odd, 10, 300, 100, {3, 4, kNoColor});
  Place(odd, 28, 40, 280, {kNoColor, kNoColor, kNoColor});
  Place(odd, 22, 20, 200, {14, kNoColor, kNoColor});
  cases.push_back({"odd colours", odd});

  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    SkinLayout alone = testing::SyntheticLayout();
    Place(alone, k, 320 - KindInfo(k).width, 320 - KindInfo(k).height, {15, 9, 12});
    cases.push_back({"kind " + std::to_string(k), alone});
  }
  return cases;
}

TEST(SkinOutputs, DatabasesAndPicturesOfATableOfLayouts) {
  for (const SkinCase& c : SkinCases()) {
    SCOPED_TRACE(c.name);
    const auto pdb =
        MakeSkinDatabase(c.layout, c.name.substr(0, 30), static_cast<std::int32_t>(c.layout.placedCount),
                         MakeSkinInfoRecord(c.layout), testing::kSomeTime);
    ASSERT_TRUE(pdb.ok()) << pdb.error().text;
    EXPECT_GOLDEN(c.name + " pdb", *pdb);
    EXPECT_GOLDEN(c.name + " preview", RenderLayoutPreview(c.layout));
    const Result<RgbImage> picture = RenderSkinDatabase(*pdb);
    ASSERT_TRUE(picture.ok()) << picture.error().text;
    EXPECT_GOLDEN(c.name + " skin picture", *picture);
  }
  // A background one pixel short is not drawn; the header length is the file's own.
  SkinLayout shortHeader = testing::SyntheticLayout();
  shortHeader.picture.erase(shortHeader.picture.begin() + 54,
                            shortHeader.picture.begin() + kReducedHeaderSize);
  shortHeader.pixelOffset = 54;
  EXPECT_EQ(RenderLayoutPreview(shortHeader).rgb, RenderLayoutPreview(testing::SyntheticLayout()).rgb);
  shortHeader.picture.pop_back();
  EXPECT_EQ(RenderLayoutPreview(shortHeader).rgb, RenderLayoutPreview(NewSkinLayout()).rgb);
  EXPECT_GOLDEN("no background preview", RenderLayoutPreview(NewSkinLayout()));
}

TEST(SkinOutputs, RefusalsAndTheTimeStamp) {
  const SkinLayout layout = SkinCases()[0].layout;
  const auto make = [&](std::int32_t count, std::int64_t when) {
    return MakeSkinDatabase(layout, "skin.pdb", count, MakeSkinInfoRecord(layout), when);
  };
  // The count is checked before the date; 852120000 is 1997-01-01 12:00 UTC.
  EXPECT_EQ(make(3, 852120000).error(),
            (UserMessage{"Error : Wtire item number error", MessageIcon::Exclamation}));
  EXPECT_EQ(make(2, 852120000).error(),
            (UserMessage{"Error : The date of this system is abnormal.", MessageIcon::Information}));
  EXPECT_TRUE(make(2, 883656000).ok());            // 1998-01-01 12:00 UTC
  EXPECT_TRUE(IsAbnormalSystemDate(-599572800));   // 1951-01-01 12:00 UTC
  EXPECT_FALSE(IsAbnormalSystemDate(-631108800));  // 1950-01-01 12:00 UTC
  // Japan's wall-clock time in Palm seconds, wrapping round from 2040.
  EXPECT_EQ(SkinTimeStamp(0), 2082877200u);
  EXPECT_EQ(SkinTimeStamp(2212122096), static_cast<std::uint32_t>(2212122096LL + 2082877200LL));
  EXPECT_FALSE(RenderSkinDatabase({}).ok());
}

}  // namespace
}  // namespace vorlune
