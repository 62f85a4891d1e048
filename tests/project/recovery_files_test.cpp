#include "project/recovery_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "project/project_file.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

TEST(RecoveryFiles, TheFolderFollowsTheStateHome) {
  EXPECT_EQ(RecoveryFolder("/s", "/h"), std::filesystem::path("/s/vorlune/recovery"));
  EXPECT_EQ(RecoveryFolder("", "/h"), std::filesystem::path("/h/.local/state/vorlune/recovery"));
  EXPECT_EQ(RecoveryFolder(nullptr, "/h"), RecoveryFolder("", "/h"));
}

using RecoveryCopies = testing::FolderTest;

TEST_F(RecoveryCopies, ACopyComesBackWithItsOriginalPathAndOnlyCopiesAreListed) {
  SkinLayout layout = testing::SyntheticLayout();
  testing::Place(layout, 1, 20, 251, {4, 5, kNoColor});
  const std::filesystem::path copy = RecoveryCopyPath(folder_ / "recovery", 12, 3);
  EXPECT_NE(copy, RecoveryCopyPath(folder_ / "recovery", 12, 4));
  ASSERT_FALSE(WriteRecoveryCopy(copy, layout, "/work/night.hqd"));
  std::ofstream(folder_ / "recovery" / "notes.hqd") << "not a copy";

  EXPECT_EQ(ListRecoveryCopies(folder_ / "recovery"), std::vector<std::filesystem::path>{copy});
  Result<RecoveredWork> work = ReadRecoveryCopy(copy);
  ASSERT_TRUE(work);
  EXPECT_EQ(work->originalPath, "/work/night.hqd");
  EXPECT_EQ(WriteProjectFile(work->layout), WriteProjectFile(layout));

  RemoveRecoveryCopy(copy);
  EXPECT_TRUE(ListRecoveryCopies(folder_ / "recovery").empty());
  EXPECT_TRUE(std::filesystem::exists(folder_ / "recovery" / "notes.hqd"));
}

}  // namespace
}  // namespace vorlune
