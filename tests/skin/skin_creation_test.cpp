#include "skin/skin_creation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "skin_test_support.h"

namespace vorlune {
namespace {

namespace fs = std::filesystem;

class SkinCreation : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vorlune-create-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    target_ = folder_ / "night.pdb";
    std::ofstream(target_, std::ios::binary) << "the old skin";
    layout_ = testing::SyntheticLayout();
    testing::Place(layout_, 1, 10, 11, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 11, {15, 14, kNoColor});
    testing::Place(layout_, 21, 10, 100, {14, kNoColor, kNoColor});
    std::memcpy(layout_.databaseName.data(), "Night", 6);
    std::memcpy(layout_.databaseAuthor.data(), "Mika\0old", 9);  // bytes after the terminator go along
    std::memcpy(layout_.databaseVersion.data(), "12", 3);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::vector<std::uint8_t> FileNow() const { return ReadWholeFile(target_).bytes; }

  fs::path folder_;
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
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace vorlune
