#include "skin/skin_info_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "skin/database_info_texts.h"

namespace vorlune {
namespace {

TEST(SkinInfoRecord, AuthorKeepsLeftoversButTitleDoesNot) {
  SkinLayout layout = NewSkinLayout();
  StoreInfoTexts(layout, {"LONGTITLE", "ABCDEF", "123456"});
  StoreInfoTexts(layout, {"AB", "XY", "1"});
  layout.placedCount = 7;
  const SkinInfoRecord record = MakeSkinInfoRecord(layout);

  EXPECT_EQ(record[0], 'A');
  EXPECT_EQ(record[1], 'B');
  for (int i = 2; i < 32; ++i) EXPECT_EQ(record[i], 0) << i;
  const std::uint8_t author[] = {'X', 'Y', 0, 'D', 'E', 'F', 0};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(record[32 + i], author[i]) << i;
  const std::uint8_t version[] = {'1', 0, '3', '4', '5', '6'};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(record[64 + i], version[i]) << i;
  EXPECT_EQ(record[70], 0);
  EXPECT_EQ(record[71], 7);
  for (int i = 72; i < 96; ++i) EXPECT_EQ(record[i], 0);
}

TEST(SkinInfoRecord, SixDigitVersionHasNoTerminatorAndAuthorFieldStopsAt32) {
  SkinLayout layout = NewSkinLayout();
  std::memset(layout.databaseAuthor.data(), 'a', 32);  // a 32-byte text from a project
  StoreInfoTexts(layout, {"T", InfoTextsOf(layout).author, "987654"});
  const SkinInfoRecord record = MakeSkinInfoRecord(layout);
  for (int i = 0; i < 30; ++i) EXPECT_EQ(record[32 + i], 'a');
  EXPECT_EQ(record[62], 0);  // the dialog cut the text to 30 bytes
  EXPECT_EQ(record[63], 'a');
  EXPECT_EQ(std::string(record.begin() + 64, record.begin() + 70), "987654");
  EXPECT_EQ(record[70], 0);
}

}  // namespace
}  // namespace vorlune
