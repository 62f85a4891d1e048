#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/file_io.h"
#include "skin/skin_database_writer.h"
#include "skin_test_support.h"

namespace vorlune {
namespace {

namespace fs = std::filesystem;

class SkinDatabaseSave : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("vorlune-save-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    target_ = folder_ / "skin.pdb";
    std::ofstream(target_, std::ios::binary) << "the old skin";
    layout_ = testing::SyntheticLayout();
    testing::Place(layout_, 1, 10, 10, {9, 12, kNoColor});
    testing::Place(layout_, 2, 60, 10, {15, 14, kNoColor});
  }
  void TearDown() override { fs::remove_all(folder_); }

  Status Write(std::int32_t expected, std::int64_t when, const fs::path& path) {
    return WriteSkinDatabase(layout_, "skin.pdb", path, expected, MakeSkinInfoRecord(layout_),
                             [when] { return when; });
  }

  std::string OldContent() const {
    const FileBytes read = ReadWholeFile(target_);
    return std::string(read.bytes.begin(), read.bytes.end());
  }
  std::size_t FilesInFolder() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
  fs::path target_;
  SkinLayout layout_;
};

TEST_F(SkinDatabaseSave, ReplacesTheFileWhole) {
  ASSERT_TRUE(Write(2, testing::kSomeTime, target_).ok());
  EXPECT_EQ(fs::file_size(target_), 107936u);
  EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(SkinDatabaseSave, FailedChecksLeaveTheOldFileAlone) {
  const Status count = Write(5, testing::kSomeTime, target_);
  ASSERT_FALSE(count.ok());
  EXPECT_EQ(OldContent(), "the old skin");
  const Status date = Write(2, 852120000, target_);  // 1997
  ASSERT_FALSE(date.ok());
  EXPECT_EQ(date.error().text, "Error : The date of this system is abnormal.");
  EXPECT_EQ(OldContent(), "the old skin");
  // A refused date leaves no empty file behind either.
  EXPECT_FALSE(Write(2, 852120000, folder_ / "new.pdb").ok());
  EXPECT_FALSE(fs::exists(folder_ / "new.pdb"));
}

TEST_F(SkinDatabaseSave, MissingFolderIsReportedAndNothingIsMade) {
  const Status status = Write(2, testing::kSomeTime, folder_ / "absent" / "skin.pdb");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().text, "Error : Cannot make pdb-file.");
  EXPECT_EQ(status.error().icon, MessageIcon::Exclamation);
  EXPECT_FALSE(fs::exists(folder_ / "absent"));
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
    const Status status = Write(2, testing::kSomeTime, target_);
    const bool reported = !status.ok() && status.error().text == "Error : Cannot make pdb-file.";
    ::_exit(reported ? 0 : 1);
  }
  int wstatus = 0;
  ASSERT_EQ(::waitpid(child, &wstatus, 0), child);
  ASSERT_TRUE(WIFEXITED(wstatus));
  EXPECT_EQ(WEXITSTATUS(wstatus), 0);
  EXPECT_EQ(OldContent(), "the old skin");
  EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace vorlune
