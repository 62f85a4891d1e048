// Writing a skin file: the whole database or, on any refusal or failure, the
// older file left as it was and no stray file.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/skin_creation.h"
#include "skin/skin_database_writer.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

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
  const Status folder = Create(testing::kSomeTime, "absent/night.pdb");
  ASSERT_FALSE(folder.ok());
  EXPECT_EQ(folder.error(), (UserMessage{"Error : Cannot make pdb-file.", MessageIcon::Exclamation}));
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
