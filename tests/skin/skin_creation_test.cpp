#include "skin/skin_creation.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/folder_test.h"
#include "support/synthetic_layout.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

namespace fs = std::filesystem;

class SkinCreation : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    target_ = folder_ / "night.pdb";
    testing::WriteBytes(target_, {'o', 'l', 'd'});
    layout_ = testing::SyntheticLayout();
    testing::Place(layout_, 1, 10, 11, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 11, {15, 14, kNoColor});
    testing::Place(layout_, 21, 10, 100, {14, kNoColor, kNoColor});
    std::memcpy(layout_.databaseName.data(), "Night", 6);
    std::memcpy(layout_.databaseAuthor.data(), "Mika\0old", 9);  // bytes after the terminator go along
    std::memcpy(layout_.databaseVersion.data(), "12", 3);
  }
  std::vector<std::uint8_t> FileNow() const { return testing::ReadBytes(target_); }

  fs::path target_;
  SkinLayout layout_;
};

TEST_F(SkinCreation, WritesTheDatabaseOfTheLayoutWithItsTextsAndCount) {
  const auto clock = [] { return testing::kSomeTime; };
  ASSERT_TRUE(CreateSkinFile(layout_, "night.pdb", target_, clock).ok());
  const Result<std::vector<std::uint8_t>> expected =
      MakeSkinDatabase(layout_, "night.pdb", 3, MakeSkinInfoRecord(layout_), testing::kSomeTime);
  ASSERT_TRUE(expected.ok());
  EXPECT_EQ(FileNow(), *expected);
}

TEST_F(SkinCreation, ARefusalLeavesTheOlderFileAsItWas) {
  const std::vector<std::uint8_t> before = FileNow();

  layout_.placedCount = 4;  // disagrees with the three placed rows
  const Status count = CreateSkinFile(layout_, "night.pdb", target_, [] { return testing::kSomeTime; });
  ASSERT_FALSE(count.ok());
  EXPECT_EQ(count.error().text, "Error : Wtire item number error");
  EXPECT_EQ(FileNow(), before);

  layout_.placedCount = 3;
  const Status date = CreateSkinFile(layout_, "night.pdb", target_, [] { return std::int64_t{631152000}; });
  ASSERT_FALSE(date.ok());  // 1990: the clock is taken as wrong
  EXPECT_EQ(FileNow(), before);
  EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"night.pdb"});
}

}  // namespace
}  // namespace vorlune
