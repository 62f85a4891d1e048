// Creating a skin file: the checks first, then the whole database or, on any
// refusal or failure, the older file left as it was and no stray file.
#include "skin/skin_creation.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/cp932.h"
#include "skin/create_checks.h"
#include "skin/database_info_texts.h"
#include "skin/skin_database_writer.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

const char kLongName[] =
    "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
    "半角30文字以内(拡張子含む)の長さでお願いします。";

TEST(CreateChecks, PlayAndStopMustBothBePlaced) {
  SkinLayout layout = testing::SyntheticLayout();
  testing::Place(layout, 2, 0, 0, {0, 1, kNoColor});
  EXPECT_EQ(CheckPlayAndStopPlaced(layout),
            (UserMessage{"再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした",
                         MessageIcon::Information}));
  testing::Place(layout, 1, 0, 0, {0, 1, kNoColor});
  EXPECT_FALSE(CheckPlayAndStopPlaced(layout).has_value());
}

// The name counts Shift_JIS bytes: 13 full-width characters and ".pdb" are 30.
TEST(CreateChecks, FileNameIsOneToThirtyShiftJisBytes) {
  const std::string thirty = std::string(26, 'a') + ".pdb";
  EXPECT_EQ(*DatabaseNameFromFileName(thirty), thirty);
  EXPECT_EQ(*DatabaseNameFromFileName("あいうえおかきくけこさしす.pdb"),
            *Utf8ToCp932("あいうえおかきくけこさしす.pdb"));
  EXPECT_EQ(DatabaseNameFromFileName("b" + thirty).error().text, kLongName);
  EXPECT_EQ(DatabaseNameFromFileName("あいうえおかきくけこさしすせそた").error().text, kLongName);
  EXPECT_EQ(DatabaseNameFromFileName("").error().text,
            "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。");
  EXPECT_NE(DatabaseNameFromFileName("skin\xF0\x9F\x98\x80.pdb").error().text, kLongName);
}

TEST(CreateChecks, EmptyTextsAreReportedInOrder) {
  SkinLayout layout = NewSkinLayout();
  EXPECT_EQ(CheckInfoTexts(layout)->text, "データベースタイトルを入力してください。");
  StoreInfoTexts(layout, {"Title", "", ""});
  EXPECT_EQ(CheckInfoTexts(layout)->text, "データベース作者名を入力してください。");
  StoreInfoTexts(layout, {"Title", "Me", ""});
  EXPECT_EQ(CheckInfoTexts(layout)->text, "データベースバージョンを入力してください。");
  StoreInfoTexts(layout, {"Title", "Me", "1"});
  EXPECT_FALSE(CheckInfoTexts(layout).has_value());
}

TEST(DatabaseInfoTexts, TypedTextsKeepTheEditLimits) {
  EXPECT_TRUE(TypedTitle(std::string(30, 't')).cp932.has_value());
  EXPECT_TRUE(TypedTitle(std::string(31, 't')).refusal.has_value());
  EXPECT_EQ(*TypedVersion("123456").cp932, "123456");  // longer, other or foreign texts: the CLI session
  EXPECT_TRUE(TypedVersion("").cp932.has_value());
}

TEST(DatabaseInfoTexts, LoadedTextsAreCutAtAWholeCharacter) {
  SkinLayout layout = NewSkinLayout();
  // 'a' then 16 double-byte characters: 33 bytes are more than the field keeps,
  // so take 32 bytes as a project load would; 30 bytes would split a character.
  std::string text = "a";
  for (int i = 0; i < 16; ++i) text += "\x82\xA0";
  std::copy_n(text.begin(), 32, layout.databaseAuthor.begin());
  EXPECT_EQ(InfoTextsOf(layout).author, text.substr(0, 29));
}

class SkinFile : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    testing::WriteBytes(folder_ / "night.pdb", {'o', 'l', 'd'});
    testing::Place(layout_, 1, 10, 11, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 11, {15, 14, kNoColor});
    std::memcpy(layout_.databaseAuthor.data(), "Mika\0old", 9);  // bytes after the terminator go along
  }
  Status Create(std::int64_t when, const std::string& name = "night.pdb") {
    return CreateSkinFile(layout_, "night.pdb", folder_ / name, [when] { return when; });
  }
  void ExpectOldFileAlone() const {
    EXPECT_EQ(testing::ReadText(folder_ / "night.pdb"), "old");
    EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"night.pdb"});
  }
  SkinLayout layout_ = testing::SyntheticLayout();
};

TEST_F(SkinFile, CreateWritesTheDatabaseOfTheLayout) {
  ASSERT_TRUE(Create(testing::kSomeTime).ok());
  EXPECT_EQ(testing::ReadBytes(folder_ / "night.pdb"),
            *MakeSkinDatabase(layout_, "night.pdb", 2, MakeSkinInfoRecord(layout_), testing::kSomeTime));
  EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"night.pdb"});
}

TEST_F(SkinFile, RefusalsAndAMissingFolderLeaveTheOlderFileAlone) {
  layout_.placedCount = 3;  // disagrees with the two placed rows
  EXPECT_EQ(Create(testing::kSomeTime).error().text, "Error : Wtire item number error");
  layout_.placedCount = 2;
  EXPECT_EQ(Create(631152000).error().text, "Error : The date of this system is abnormal.");  // 1990
  EXPECT_FALSE(Create(631152000, "new.pdb").ok());  // and no empty file is left
  EXPECT_EQ(Create(testing::kSomeTime, "absent/night.pdb").error(),
            (UserMessage{"Error : Cannot make pdb-file.", MessageIcon::Exclamation}));
  ExpectOldFileAlone();
}

// A write that fails half-way (the file size limit stops it) must be reported
// and must not replace the old file nor leave the temporary one.
TEST_F(SkinFile, WriteFailingHalfWayKeepsTheOldFile) {
  EXPECT_TRUE(testing::InChildWithFileSizeLimit(50000, [&] {
    const Status status = WriteSkinDatabase(layout_, "night.pdb", folder_ / "night.pdb", 2,
                                            MakeSkinInfoRecord(layout_), [] { return testing::kSomeTime; });
    return !status.ok() && status.error().text == "Error : Cannot make pdb-file.";
  }));
  ExpectOldFileAlone();
}

}  // namespace
}  // namespace vorlune
