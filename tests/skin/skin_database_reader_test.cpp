#include "skin/skin_database_reader.h"

#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "skin/skin_database_writer.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;

// One part of every family, with every state count.
SkinLayout FullSkin() {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  Place(layout, 2, 40, 0, {15, kNoColor, kNoColor});
  Place(layout, 3, 80, 0, {kNoColor, kNoColor, kNoColor});
  Place(layout, 9, 130, 0, {6, 14, kNoColor});
  Place(layout, 13, 0, 40, {6, 14, kNoColor});
  Place(layout, 17, 130, 40, {6, 14, 9});
  Place(layout, 21, 130, 90, {14, kNoColor, kNoColor});
  Place(layout, 24, 130, 130, {14, kNoColor, kNoColor});
  Place(layout, 27, 0, 210, {14, kNoColor, kNoColor});
  Place(layout, 30, 284, 290, {0, 7, kNoColor});
  return layout;
}

std::vector<std::uint8_t> Bytes(const SkinLayout& layout) {
  return *MakeSkinDatabase(layout, "full.pdb", static_cast<std::int32_t>(layout.placedCount),
                           MakeSkinInfoRecord(layout), testing::kSomeTime);
}

TEST(SkinDatabaseReader, ReadsBackWhatTheWriterWrote) {
  SkinLayout layout = FullSkin();
  layout.databaseName = {'N', 'a', 'm', 'e'};
  layout.databaseAuthor = {'M', 'e'};
  layout.databaseVersion = {'4', '2'};
  const std::vector<std::uint8_t> file = Bytes(layout);
  const Result<SkinDatabase> db = ReadSkinDatabase(file);
  ASSERT_TRUE(db.ok()) << db.error().text;
  EXPECT_EQ(db->name, "full.pdb");
  EXPECT_EQ(db->type, "Data");
  EXPECT_EQ(db->creator, "Vrln");
  EXPECT_EQ(db->creationDate, SkinTimeStamp(testing::kSomeTime));
  EXPECT_EQ(db->info.title, "Name");
  EXPECT_EQ(db->info.author, "Me");
  EXPECT_EQ(db->info.version, "42");
  EXPECT_EQ(db->info.partCount, 10);
  // Parts, palette and background are the fuzzing harnesses' invariants.
  ASSERT_EQ(db->parts.size(), 10u);
  EXPECT_EQ(db->parts[6].states[0].width, 330);
  EXPECT_EQ(db->parts[8].titleSizeCode, 10);
  EXPECT_EQ(db->parts[8].stateColors[0], 15);
}

TEST(SkinDatabaseReader, RefusesEveryTruncation) {
  const std::vector<std::uint8_t> file = Bytes(FullSkin());
  for (std::size_t size = 0; size < file.size(); size += 97) {
    EXPECT_FALSE(ReadSkinDatabase(std::span(file).first(size)).ok()) << size;
  }
  EXPECT_FALSE(ReadSkinDatabase(std::span(file).first(file.size() - 1)).ok());
}

TEST(SkinDatabaseReader, RefusesDamagedFields) {
  const std::vector<std::uint8_t> good = Bytes(FullSkin());
  ASSERT_TRUE(ReadSkinDatabase(good).ok());
  const std::uint32_t strip = ReadBE32(good, 78 + 8 * 2);
  const std::uint32_t firstPart = ReadBE32(good, 78 + 8 * 6);
  struct Damage {
    const char* what;
    std::size_t at;
    std::uint8_t value;
  };
  const Damage damages[] = {
      {"type", 60, 'X'},
      {"creator", 67, 'X'},
      {"record count below six", 77, 5},
      {"record count past the list", 76, 0xFF},
      {"record offset past the end", 78 + 8 * 3, 0xFF},
      {"record offsets out of order", 78 + 8 * 2 + 2, 0},
      {"strip pixel size", strip + 8, 16},
      {"strip compression", strip + 13, 1},
      {"strip width", strip + 1, 0x41},
      {"part kind zero", firstPart, 0},
      {"part kind 31", firstPart, 31},
      {"four states", firstPart + 1, 4},
      {"part off the background", firstPart + 2, 0x02},
      {"part of the wrong size", firstPart + 7, 37},
      {"part count", ReadBE32(good, 78) + 71, 9},
  };
  for (const Damage& damage : damages) {
    std::vector<std::uint8_t> bad = good;
    bad[damage.at] = damage.value;
    const Result<SkinDatabase> db = ReadSkinDatabase(bad);
    ASSERT_FALSE(db.ok()) << damage.what;
    EXPECT_EQ(db.error().text.rfind("Error : ", 0), 0u) << damage.what;
  }
}

TEST(SkinDatabaseReader, RefusesATitleWithStatesAndPartsOutOfOrder) {
  std::vector<std::uint8_t> bad = Bytes(FullSkin());
  const Result<SkinDatabase> db = ReadSkinDatabase(bad);
  ASSERT_TRUE(db.ok());
  const std::uint32_t title = db->parts[8].offset;
  bad[title + 1] = 1;
  EXPECT_FALSE(ReadSkinDatabase(bad).ok());
  bad = Bytes(FullSkin());
  bad[db->parts[1].offset] = 1;  // the stop button claims to be a second play button
  EXPECT_FALSE(ReadSkinDatabase(bad).ok());
}

}  // namespace
}  // namespace vorlune
