#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "skin/skin_database_writer.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

namespace fs = std::filesystem;

class SkinDatabaseSave : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    std::ofstream(folder_ / "skin.pdb", std::ios::binary) << "the old skin";
    layout_ = testing::SyntheticLayout();
    testing::Place(layout_, 1, 10, 10, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 10, {15, 14, kNoColor});
  }

  Status Write(std::int32_t expected, std::int64_t when, const std::string& name = "skin.pdb") {
    return WriteSkinDatabase(layout_, "skin.pdb", folder_ / name, expected, MakeSkinInfoRecord(layout_),
                             [when] { return when; });
  }
  void ExpectOldSkinAlone() const {
    EXPECT_EQ(testing::ReadText(folder_ / "skin.pdb"), "the old skin");
    EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"skin.pdb"});
  }

  SkinLayout layout_;
};

TEST_F(SkinDatabaseSave, ReplacesTheFileWhole) {
  ASSERT_TRUE(Write(2, testing::kSomeTime).ok());
  EXPECT_EQ(fs::file_size(folder_ / "skin.pdb"), 107936u);
  EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"skin.pdb"});
}

TEST_F(SkinDatabaseSave, FailedChecksOrAMissingFolderLeaveTheOldFileAlone) {
  EXPECT_FALSE(Write(5, testing::kSomeTime).ok());
  const Status date = Write(2, 852120000);  // 1997
  ASSERT_FALSE(date.ok());
  EXPECT_EQ(date.error().text, "Error : The date of this system is abnormal.");
  EXPECT_FALSE(Write(2, 852120000, "new.pdb").ok());  // and no empty file is left
  const Status folder = Write(2, testing::kSomeTime, "absent/skin.pdb");
  ASSERT_FALSE(folder.ok());
  EXPECT_EQ(folder.error().text, "Error : Cannot make pdb-file.");
  EXPECT_EQ(folder.error().icon, MessageIcon::Exclamation);
  ExpectOldSkinAlone();
}

// A write that fails half-way (the file size limit stops it) must be reported
// and must not replace the old file nor leave the temporary one.
TEST_F(SkinDatabaseSave, WriteFailingHalfWayKeepsTheOldFile) {
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{50000, 50000};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const Status status = Write(2, testing::kSomeTime);
    ::_exit(!status.ok() && status.error().text == "Error : Cannot make pdb-file." ? 0 : 1);
  }
  int wstatus = 0;
  ASSERT_EQ(::waitpid(child, &wstatus, 0), child);
  EXPECT_TRUE(WIFEXITED(wstatus) && WEXITSTATUS(wstatus) == 0);
  ExpectOldSkinAlone();
}

}  // namespace
}  // namespace vorlune
