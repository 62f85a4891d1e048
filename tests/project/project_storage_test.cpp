#include "project/project_storage.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>

#include "core/file_io.h"
#include "project/project_file.h"
#include "project/project_messages.h"
#include "project/synthetic_background_support.h"

namespace vorlune {
namespace {

using testing::FolderEntries;
using testing::FreshFolder;
using testing::SyntheticImportedLayout;

std::vector<std::uint8_t> Contents(const std::filesystem::path& path) {
  return ReadWholeFile(path).bytes;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class ProjectStorage : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = FreshFolder("project-storage"); }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(ProjectStorage, SaveThenLoadRestoresTheLayout) {
  SkinLayout layout = SyntheticImportedLayout();
  testing::PlaceForTest(layout, 1, 0, 1, {3, 5, kNoColor});
  const auto path = folder_ / "skin.hqd";
  ASSERT_TRUE(SaveProjectFile(path, layout).ok());
  EXPECT_EQ(std::filesystem::file_size(path), 103766u);
  const auto loaded = LoadProjectFile(path);
  ASSERT_TRUE(loaded.ok()) << loaded.error().text;
  EXPECT_EQ(WriteProjectFile(*loaded), Contents(path));
  EXPECT_EQ(loaded->part(1).colors, (ColorTriple{3, 5, kNoColor}));
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(ProjectStorage, SaveWithoutBackgroundWritesNothing) {
  const Status saved = SaveProjectFile(folder_ / "skin.hqd", NewSkinLayout());
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.error(), SaveNeedsBackgroundMessage());
  EXPECT_EQ(saved.error().text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");
  EXPECT_TRUE(FolderEntries(folder_).empty());
}

TEST_F(ProjectStorage, SaveIntoAMissingFolderFailsWithTheSystemsMessage) {
  const Status saved = SaveProjectFile(folder_ / "no-such-folder" / "skin.hqd", SyntheticImportedLayout());
  ASSERT_FALSE(saved.ok());
  EXPECT_EQ(saved.error().text, "Error : Cannot make hqd-file.");
  EXPECT_EQ(saved.error().icon, MessageIcon::Exclamation);
  EXPECT_TRUE(FolderEntries(folder_).empty());
}

TEST_F(ProjectStorage, AFailingWriteLeavesTheOldFileAsItWas) {
  const auto path = folder_ / "skin.hqd";
  WriteText(path, "the previous project");
  // The child may write at most 50,000 bytes per file, so the save fails part
  // way through its 103,766 bytes; the write then reports EFBIG instead of a signal.
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{50000, 50000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(3);
    const Status saved = SaveProjectFile(path, SyntheticImportedLayout());
    ::_exit(!saved.ok() && saved.error() == CannotMakeProjectFileMessage() ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const auto kept = Contents(path);
  EXPECT_EQ(std::string(kept.begin(), kept.end()), "the previous project");
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(ProjectStorage, LoadReportsAMissingOrUnreadableFile) {
  const auto missing = LoadProjectFile(folder_ / "absent.hqd");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().text, "Error : Cannot find hqd-file");
  EXPECT_EQ(missing.error().icon, MessageIcon::Exclamation);

  std::filesystem::create_directory(folder_ / "folder.hqd");
  const auto unreadable = LoadProjectFile(folder_ / "folder.hqd");
  ASSERT_FALSE(unreadable.ok());
  EXPECT_EQ(unreadable.error().text, "Error : Cannot open bmp-file");
  EXPECT_EQ(unreadable.error().icon, MessageIcon::Information);
}

TEST_F(ProjectStorage, LoadRefusesAFileLargerThanAnyProject) {
  const auto path = folder_ / "big.hqd";
  WriteText(path, std::string(400000, '\0'));
  const auto loaded = LoadProjectFile(path);
  ASSERT_FALSE(loaded.ok());
  EXPECT_TRUE(loaded.error().text.starts_with("Error : "));
}

}  // namespace
}  // namespace vorlune
