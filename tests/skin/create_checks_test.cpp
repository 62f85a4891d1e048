#include "skin/create_checks.h"

#include <gtest/gtest.h>

#include "core/cp932.h"
#include "skin/database_info_texts.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

const char kLongName[] =
    "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
    "半角30文字以内(拡張子含む)の長さでお願いします。";

TEST(CreateChecks, PlayAndStopMustBothBePlaced) {
  SkinLayout layout = testing::SyntheticLayout();
  testing::Place(layout, 2, 0, 0, {0, 1, kNoColor});
  const auto missing = CheckPlayAndStopPlaced(layout);
  ASSERT_TRUE(missing.has_value());
  EXPECT_EQ(missing->text, "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした");
  EXPECT_EQ(missing->icon, MessageIcon::Information);
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
  EXPECT_TRUE(TypedAuthor("\xF0\x9F\x98\x80").refusal.has_value());
  EXPECT_EQ(*TypedVersion("123456").cp932, "123456");
  EXPECT_TRUE(TypedVersion("1234567").refusal.has_value());
  EXPECT_TRUE(TypedVersion("1.0").refusal.has_value());
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

}  // namespace
}  // namespace vorlune
