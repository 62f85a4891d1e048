#include "skin/skin_database_writer.h"

#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "skin/mask_picture.h"
#include "skin/skin_records.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;
using testing::SyntheticLayout;

constexpr ColorTriple kNone{kNoColor, kNoColor, kNoColor};

std::vector<std::uint8_t> Build(const SkinLayout& layout, std::string_view name = "skin.pdb",
                                std::int64_t when = testing::kSomeTime) {
  auto bytes = MakeSkinDatabase(layout, name, static_cast<std::int32_t>(layout.placedCount),
                                MakeSkinInfoRecord(layout), when);
  EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().text);
  return bytes.ok() ? *bytes : std::vector<std::uint8_t>{};
}

std::uint32_t RecordOffset(const std::vector<std::uint8_t>& file, int i) {
  return ReadBE32(file, 78 + 8 * static_cast<std::size_t>(i));
}

SkinLayout TwoButtonSkin() {
  SkinLayout layout = SyntheticLayout();
  Place(layout, 1, 10, 270, {9, 12, kNoColor});
  Place(layout, 2, 60, 270, {15, 14, kNoColor});
  return layout;
}

TEST(SkinDatabaseWriter, TwoButtonSkinHasTheWorkedOffsets) {
  const std::vector<std::uint8_t> file = Build(TwoButtonSkin());
  ASSERT_EQ(file.size(), 107936u);
  EXPECT_EQ(ReadBE16(file, 76), 12);
  const std::uint32_t expected[] = {176,    272,    1040,   26656,  52272,  77888,
                                    103504, 103528, 104624, 105720, 105744, 106840};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(RecordOffset(file, i), expected[i]) << i;
    EXPECT_EQ(file[78 + 8 * i + 4], 0x40);
    EXPECT_EQ(file[78 + 8 * i + 5] | file[78 + 8 * i + 6] | file[78 + 8 * i + 7], 0);
  }
  EXPECT_EQ(file[174], 0);
  EXPECT_EQ(file[175], 0);
  // The play descriptor and its two states in the off and on colours.
  EXPECT_EQ(file[103504], 1);
  EXPECT_EQ(file[103505], 2);
  EXPECT_EQ(ReadBE16(file, 103506), 10);
  EXPECT_EQ(ReadBE16(file, 103508), 270);
  EXPECT_EQ(ReadBE16(file, 103510), 36);
  EXPECT_EQ(ReadBE16(file, 103512), 30);
  EXPECT_EQ(file[103514], 10);
  EXPECT_EQ(file[103515], 13);
  for (int i = 103516; i < 103522; ++i) EXPECT_EQ(file[i], 255);
  EXPECT_EQ(file[103522], 255);  // titleSizeCode
  for (int i = 103523; i < 103528; ++i) EXPECT_EQ(file[i], 0);
  const MaskPicture& play = PartShapeMask(1);
  for (std::size_t state = 0; state < 2; ++state) {
    const std::size_t at = 103528 + 1096 * state;
    EXPECT_EQ(ReadBE16(file, at), 36);
    EXPECT_EQ(ReadBE16(file, at + 2), 30);
    EXPECT_EQ(ReadBE16(file, at + 4), 36);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 36; ++x) {
        const int expectedPixel = play.at(x, y) ? (state == 0 ? 10 : 13) : 0;
        ASSERT_EQ(file[at + 16 + static_cast<std::size_t>(y * 36 + x)], expectedPixel);
      }
    }
  }
}

TEST(SkinDatabaseWriter, HeaderCarriesNameStampTypeAndCreator) {
  const std::vector<std::uint8_t> file = Build(TwoButtonSkin(), "skin.pdb");
  EXPECT_EQ(std::string(file.begin(), file.begin() + 8), "skin.pdb");
  for (int i = 8; i < 32; ++i) EXPECT_EQ(file[i], 0);
  EXPECT_EQ(ReadBE32(file, 32), 0u);  // attributes, version
  const std::uint32_t stamp = static_cast<std::uint32_t>(testing::kSomeTime + 2082877200);
  EXPECT_EQ(ReadBE32(file, 36), stamp);
  EXPECT_EQ(ReadBE32(file, 40), stamp);
  for (int at = 44; at < 60; at += 4) EXPECT_EQ(ReadBE32(file, at), 0u);
  EXPECT_EQ(std::string(file.begin() + 60, file.begin() + 68), "DataVrln");
  EXPECT_EQ(ReadBE32(file, 68), 0u);
  EXPECT_EQ(ReadBE32(file, 72), 0u);

  // A 30-byte name leaves byte 31 zero.
  const std::string longest(30, 'n');
  const std::vector<std::uint8_t> named = Build(TwoButtonSkin(), longest);
  EXPECT_EQ(std::string(named.begin(), named.begin() + 30), longest);
  EXPECT_EQ(named[30], 0);
  EXPECT_EQ(named[31], 0);

  // The stamp is Japan's wall-clock time in Palm seconds; from 2040 it wraps round.
  EXPECT_EQ(SkinTimeStamp(0), 2082877200u);
  EXPECT_EQ(SkinTimeStamp(2212122096), static_cast<std::uint32_t>(2212122096LL + 2082877200LL));
}

TEST(SkinDatabaseWriter, PaletteAndBackgroundStripsAreCopied) {
  const SkinLayout layout = TwoButtonSkin();
  const std::vector<std::uint8_t> file = Build(layout);
  for (std::size_t i = 0; i < 256; ++i) {
    EXPECT_EQ(file[272 + 3 * i], layout.palette[i].r);
    EXPECT_EQ(file[272 + 3 * i + 1], layout.palette[i].g);
    EXPECT_EQ(file[272 + 3 * i + 2], layout.palette[i].b);
  }
  for (std::size_t k = 0; k < 4; ++k) {
    const std::size_t at = 1040 + 25616 * k;
    EXPECT_EQ(ReadBE16(file, at), 320);
    EXPECT_EQ(ReadBE16(file, at + 2), 80);
    EXPECT_EQ(ReadBE16(file, at + 4), 320);
    EXPECT_EQ(ReadBE16(file, at + 6), 0x2000);
    EXPECT_EQ(file[at + 8], 8);
    EXPECT_EQ(file[at + 9], 2);
    for (std::size_t i = 10; i < 16; ++i) EXPECT_EQ(file[at + i], 0);
    ASSERT_TRUE(
        std::equal(file.begin() + static_cast<std::ptrdiff_t>(at + 16),
                   file.begin() + static_cast<std::ptrdiff_t>(at + 16 + 25600),
                   layout.picture.begin() + kReducedHeaderSize + static_cast<std::ptrdiff_t>(25600 * k)));
  }
}

TEST(SkinDatabaseWriter, StateCountFollowsTheSetColours) {
  EXPECT_EQ(StateCount(1, {kNoColor, kNoColor, kNoColor}), 0);
  EXPECT_EQ(StateCount(1, {kNoColor, 3, 4}), 0);
  EXPECT_EQ(StateCount(1, {0, kNoColor, kNoColor}), 1);
  EXPECT_EQ(StateCount(9, {0, 5, kNoColor}), 2);
  EXPECT_EQ(StateCount(17, {0, 5, 7}), 3);
  EXPECT_EQ(StateCount(17, {0, kNoColor, 7}), 3);
  EXPECT_EQ(StateCount(21, {14, kNoColor, kNoColor}), 1);
  for (PartKind title = 27; title <= 29; ++title) EXPECT_EQ(StateCount(title, {14, 1, 2}), 0);
  // Any byte of 0x80 and up means no colour.
  EXPECT_EQ(StateCount(1, {static_cast<PickerIndex>(0x80), 1, 2}), 0);
}

TEST(SkinDatabaseWriter, ButtonWithoutPictureHasOnlyItsDescriptor) {
  SkinLayout layout = TwoButtonSkin();
  Place(layout, 30, 200, 10, kNone);
  const std::vector<std::uint8_t> file = Build(layout);
  EXPECT_EQ(ReadBE16(file, 76), 13);
  const std::uint32_t at = RecordOffset(file, 12);
  EXPECT_EQ(file.size(), at + 24u);
  EXPECT_EQ(file[at], 30);
  EXPECT_EQ(file[at + 1], 0);
  for (std::uint32_t i = 10; i < 19; ++i) EXPECT_EQ(file[at + i], 255) << i;
}

TEST(SkinDatabaseWriter, TitleDisplayGetsItsTextColourAndSizeCode) {
  const std::pair<PartKind, int> codes[] = {{27, 10}, {28, 8}, {29, 2}};
  for (const auto& [kind, code] : codes) {
    SkinLayout layout = TwoButtonSkin();
    Place(layout, kind, 40, 100, {5, kNoColor, kNoColor});
    const std::vector<std::uint8_t> file = Build(layout);
    ASSERT_EQ(ReadBE16(file, 76), 13);
    const std::uint32_t at = RecordOffset(file, 12);
    EXPECT_EQ(file.size(), at + 24u);
    EXPECT_EQ(file[at], kind);
    EXPECT_EQ(file[at + 1], 0);
    EXPECT_EQ(ReadBE16(file, at + 6), 240);
    EXPECT_EQ(ReadBE16(file, at + 8), KindInfo(kind).height);
    EXPECT_EQ(file[at + 10], 6);
    for (std::uint32_t i = 11; i < 18; ++i) EXPECT_EQ(file[at + i], 255);
    EXPECT_EQ(file[at + 18], code);

    layout.part(kind).colors = kNone;
    EXPECT_EQ(Build(layout)[at + 10], 0);
  }
}

TEST(SkinDatabaseWriter, TimeDisplayStateIsTheWholeDigitStrip) {
  SkinLayout layout = TwoButtonSkin();
  Place(layout, 22, 20, 20, {14, kNoColor, kNoColor});
  const std::vector<std::uint8_t> file = Build(layout);
  ASSERT_EQ(ReadBE16(file, 76), 14);
  const std::uint32_t descriptor = RecordOffset(file, 12);
  const std::uint32_t state = RecordOffset(file, 13);
  EXPECT_EQ(file[descriptor + 1], 1);
  EXPECT_EQ(ReadBE16(file, descriptor + 6), 150);
  EXPECT_EQ(ReadBE16(file, descriptor + 8), 36);
  EXPECT_EQ(file[descriptor + 10], 15);
  EXPECT_EQ(file.size() - state, 11896u);
  EXPECT_EQ(ReadBE16(file, state), 330);
  EXPECT_EQ(ReadBE16(file, state + 2), 36);
  EXPECT_EQ(ReadBE16(file, state + 4), 330);
  const MaskPicture& strip = DigitStrip(2);
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 330; ++x) {
      ASSERT_EQ(file[state + 16 + static_cast<std::size_t>(y * 330 + x)], strip.at(x, y) ? 15 : 0);
    }
  }
}

TEST(SkinDatabaseWriter, LevelMeterHasThreeStatesOfOneShape) {
  SkinLayout layout = TwoButtonSkin();
  Place(layout, 19, 100, 100, {1, 9, 11});
  const std::vector<std::uint8_t> file = Build(layout);
  const std::uint32_t descriptor = RecordOffset(file, 12);
  EXPECT_EQ(file[descriptor + 1], 3);
  EXPECT_EQ(file[descriptor + 10], 2);
  EXPECT_EQ(file[descriptor + 11], 10);
  EXPECT_EQ(file[descriptor + 12], 12);
  EXPECT_EQ(file[descriptor + 13], 255);
  const MaskPicture& mask = PartShapeMask(19);
  const int colors[] = {2, 10, 12};
  for (int s = 0; s < 3; ++s) {
    const std::uint32_t at = RecordOffset(file, 13 + s);
    EXPECT_EQ(at, descriptor + 24 + static_cast<std::uint32_t>(s) * (16 + 128 * 40));
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 128; ++x) {
        ASSERT_EQ(file[at + 16 + static_cast<std::size_t>(y * 128 + x)], mask.at(x, y) ? colors[s] : 0);
      }
    }
  }
}

TEST(SkinDatabaseWriter, VolumeBarStatesAreSolidBlocks) {
  SkinLayout layout = TwoButtonSkin();
  Place(layout, 10, 300, 100, {3, 4, kNoColor});
  const std::vector<std::uint8_t> file = Build(layout);
  for (int s = 0; s < 2; ++s) {
    const std::uint32_t at = RecordOffset(file, 13 + s);
    EXPECT_EQ(ReadBE16(file, at), 6);
    EXPECT_EQ(ReadBE16(file, at + 2), 64);
    for (std::size_t i = 0; i < 6 * 64; ++i) ASSERT_EQ(file[at + 16 + i], 4 + s);
  }
}

TEST(SkinDatabaseWriter, RefusesAMismatchedPartCountAndASystemDateBefore1998) {
  const SkinLayout layout = TwoButtonSkin();
  auto count = MakeSkinDatabase(layout, "skin.pdb", 3, MakeSkinInfoRecord(layout), 852120000);
  ASSERT_FALSE(count.ok());  // the count is checked before anything else
  EXPECT_EQ(count.error().text, "Error : Wtire item number error");
  EXPECT_EQ(count.error().icon, MessageIcon::Exclamation);

  const std::int64_t noon1997 = 852120000;  // 1997-01-01 12:00 UTC
  const std::int64_t noon1998 = 883656000;  // 1998-01-01 12:00 UTC
  auto refused = MakeSkinDatabase(layout, "skin.pdb", 2, MakeSkinInfoRecord(layout), noon1997);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.error().text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(refused.error().icon, MessageIcon::Information);
  EXPECT_TRUE(MakeSkinDatabase(layout, "skin.pdb", 2, MakeSkinInfoRecord(layout), noon1998).ok());
  EXPECT_TRUE(IsAbnormalSystemDate(-599572800));   // 1951-01-01 12:00 UTC
  EXPECT_FALSE(IsAbnormalSystemDate(-631108800));  // 1950-01-01 12:00 UTC
}

}  // namespace
}  // namespace vorlune
