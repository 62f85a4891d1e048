#include "project/project_storage.h"

#include <gtest/gtest.h>

#include <fstream>

#include "project/project_file.h"
#include "project/project_messages.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::FolderEntries;
using testing::SyntheticLayout;

class ProjectStorage : public testing::FolderTest {};

TEST_F(ProjectStorage, SaveWithoutBackgroundOrIntoAMissingFolderWritesNothing) {
  const Status empty = SaveProjectFile(folder_ / "skin.hqd", NewSkinLayout());
  ASSERT_FALSE(empty.ok());
  EXPECT_EQ(empty.error(), SaveNeedsBackgroundMessage());
  EXPECT_EQ(empty.error().text, "背景画像を読み込んでから保存して下さい\n保存できませんでした");
  const Status missing = SaveProjectFile(folder_ / "no-such-folder" / "skin.hqd", SyntheticLayout());
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().text, "Error : Cannot make hqd-file.");
  EXPECT_EQ(missing.error().icon, MessageIcon::Exclamation);
  EXPECT_TRUE(FolderEntries(folder_).empty());
}

TEST_F(ProjectStorage, AFailingWriteLeavesTheOldFileAsItWas) {
  const auto path = folder_ / "skin.hqd";
  std::ofstream(path, std::ios::binary) << "the previous project";
  // 50,000 bytes per file stop the save part way through its 103,766 bytes.
  EXPECT_TRUE(testing::InChildWithFileSizeLimit(50000, [&] {
    const Status saved = SaveProjectFile(path, SyntheticLayout());
    return !saved.ok() && saved.error() == CannotMakeProjectFileMessage();
  }));
  EXPECT_EQ(testing::ReadText(path), "the previous project");
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(ProjectStorage, LoadReportsAMissingUnreadableOrOversizedFile) {
  const auto missing = LoadProjectFile(folder_ / "absent.hqd");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().text, "Error : Cannot find hqd-file");
  EXPECT_EQ(missing.error().icon, MessageIcon::Exclamation);

  std::filesystem::create_directory(folder_ / "folder.hqd");
  const auto unreadable = LoadProjectFile(folder_ / "folder.hqd");
  ASSERT_FALSE(unreadable.ok());
  EXPECT_EQ(unreadable.error().text, "Error : Cannot open bmp-file");
  EXPECT_EQ(unreadable.error().icon, MessageIcon::Information);

  testing::WriteBytes(folder_ / "big.hqd", std::vector<std::uint8_t>(400000, 0));
  const auto big = LoadProjectFile(folder_ / "big.hqd");
  ASSERT_FALSE(big.ok());
  EXPECT_TRUE(big.error().text.starts_with("Error : "));
}

}  // namespace
}  // namespace vorlune
