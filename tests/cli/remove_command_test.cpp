#include <gtest/gtest.h>

#include "cli/place_fixture_support.h"
#include "project/project_file.h"

namespace vorlune {
namespace {

using namespace place_fixture;

class RemoveCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("remove");
    project_ = (folder_ / "skin.hqd").string();
    SkinLayout layout = ImportedLayout();
    layout.part(1) = {0, 1, 36, 30, {3, 5, -1}};
    layout.part(17) = {0, 100, 128, 40, {6, 14, 9}};
    layout.placedCount = 2;
    WriteProject(project_, layout);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::filesystem::path folder_;
  std::string project_;
};

TEST_F(RemoveCommand, TakesThePartOffAndKeepsItsColours) {
  const auto run = RunCli({"remove", project_, "LevelBarH"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto layout = ReadProjectFile(FileBytes(project_));
  ASSERT_TRUE(layout.ok());
  EXPECT_FALSE(layout->placed(17));
  EXPECT_EQ(layout->part(17).x, -1);
  EXPECT_EQ(layout->part(17).y, -1);
  EXPECT_EQ(layout->part(17).colors, (ColorTriple{6, 14, 9}));
  EXPECT_EQ(layout->placedCount, 1u);
  EXPECT_TRUE(layout->placed(1));

  // The group is free again, and the part comes back with its colours.
  ASSERT_EQ(RunCli({"place", project_, "LevelDotV", "200", "100"}).status, 0);
  ASSERT_EQ(RunCli({"remove", project_, "20"}).status, 0);
  ASSERT_EQ(RunCli({"place", project_, "LevelBarH", "100", "200"}).status, 0);
  EXPECT_EQ(ReadProjectFile(FileBytes(project_))->part(17).colors, (ColorTriple{6, 14, 9}));
}

TEST_F(RemoveCommand, RefusesAKindThatIsNotPlaced) {
  const auto before = FileBytes(project_);
  const auto run = RunCli({"remove", project_, "Stop"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error : Stop is not placed.\n");
  EXPECT_EQ(FileBytes(project_), before);
  EXPECT_EQ(RunCli({"remove", project_, "0"}).status, 2);
  EXPECT_EQ(RunCli({"remove", project_}).status, 2);
  EXPECT_EQ(FileBytes(project_), before);
}

TEST_F(RemoveCommand, AFailingWriteLeavesTheProjectAsItWas) {
  const auto before = FileBytes(project_);
  const auto run = RunCli({"remove", project_, "Play"}, 1000);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error : Cannot make hqd-file.\n");
  EXPECT_EQ(FileBytes(project_), before);
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(RemoveCommand, DescribesItself) {
  const auto run = RunCli({"remove", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("remove PROJECT.hqd KIND"), std::string::npos);
}

}  // namespace
}  // namespace vorlune
