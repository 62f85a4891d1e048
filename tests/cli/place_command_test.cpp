#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "project/project_file.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::CliRun;
using testing::ReadBytes;
using testing::RunCli;

// Shared by the place and remove commands: a project in a folder of its own.
class ProjectCommand : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    project_ = In("skin.hqd");
    testing::SaveProject(project_, testing::SyntheticLayout());
  }

  SkinLayout Loaded() const {
    auto layout = ReadProjectFile(ReadBytes(project_));
    EXPECT_TRUE(layout.ok());
    return layout.ok() ? *layout : SkinLayout{};
  }

  // Runs a command that must be refused and checks that the folder stayed as it was.
  CliRun Refused(const std::vector<std::string>& args, int status = 1, testing::CliOptions options = {}) {
    const auto before = ReadBytes(project_);
    CliRun run = RunCli(args, options);
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_EQ(ReadBytes(project_), before);
    EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
    return run;
  }

  std::string project_;
};

using PlaceCommand = ProjectCommand;
using RemoveCommand = ProjectCommand;

TEST_F(PlaceCommand, PlacesAPartWithTheColoursOfAPlainOk) {
  const struct {
    const char* kind;
    PartKind k;
    int x, y;
    ColorTriple colors;
  } cases[] = {
      {"Play", 1, 0, 0, {-1, -1, -1}},       {"30", 30, 40, 0, {-1, -1, -1}},
      {"VolumeBarH", 9, 80, 0, {6, 14, -1}}, {"EqualizerDotV", 16, 0, 40, {6, 14, -1}},
      {"LevelDotH", 19, 0, 180, {6, 14, 9}}, {"Track2", 25, 170, 40, {14, -1, -1}},
  };
  for (const auto& c : cases) {
    const auto run = RunCli({"place", project_, c.kind, std::to_string(c.x), std::to_string(c.y)});
    ASSERT_EQ(run.status, 0) << c.kind << ": " << run.err;
    const SkinLayout layout = Loaded();
    EXPECT_EQ(layout.part(c.k).x, c.x);
    EXPECT_EQ(layout.part(c.k).y, c.y);
    EXPECT_EQ(layout.part(c.k).colors, c.colors) << c.kind;
  }
  EXPECT_EQ(Loaded().placedCount, 6u);
}

TEST_F(PlaceCommand, TakesColoursGivenOrThoseThePartLastHad) {
  ASSERT_EQ(RunCli({"place", project_, "Stop", "100", "101", "--colors", "3,5,-1"}).status, 0);
  EXPECT_EQ(Loaded().part(2).colors, (ColorTriple{3, 5, -1}));
  ASSERT_EQ(RunCli({"place", project_, "Time3", "0", "200", "--colors=0,-1,-1"}).status, 0);
  EXPECT_EQ(Loaded().part(23).colors, (ColorTriple{0, -1, -1}));

  SkinLayout layout = testing::SyntheticLayout();
  layout.part(18).colors = {1, 2, 3};  // placed and removed before
  layout.placedCount = 5;              // and a count that disagrees with the rows
  testing::SaveProject(project_, layout);
  ASSERT_EQ(RunCli({"place", project_, "LevelBarV", "10", "10"}).status, 0);
  EXPECT_EQ(Loaded().part(18).colors, (ColorTriple{1, 2, 3}));
  EXPECT_EQ(ReadBE16(ReadBytes(project_), 12 + 910 + 102400), 1);
}

TEST_F(PlaceCommand, RefusesWhatTheEditorRefuses) {
  ASSERT_EQ(RunCli({"place", project_, "Play", "0", "1"}).status, 0);
  ASSERT_EQ(RunCli({"place", project_, "VolumeBarH", "150", "150"}).status, 0);
  EXPECT_EQ(Refused({"place", project_, "Stop", "36", "1"}).err,
            "他の部品と重なっているため配置できません\n");
  for (const auto& [x, y] : {std::pair{"285", "100"}, {"100", "291"}, {"-1", "100"}, {"2147483647", "100"}}) {
    EXPECT_TRUE(Refused({"place", project_, "Stop", x, y}).err.starts_with("Error : ")) << x << "," << y;
  }
  EXPECT_EQ(Refused({"place", project_, "VolumeBarH", "100", "100"}).err,
            "Error : VolumeBarH is already placed.\n");
  EXPECT_EQ(Refused({"place", project_, "12", "100", "100"}).err,
            "Error : VolumeDotV cannot be placed while VolumeBarH of the same group is placed.\n");
  // No colour dialog hands back a first colour of none.
  Refused({"place", project_, "Time1", "0", "100", "--colors", "-1,3,-1"});
  EXPECT_EQ(RunCli({"place", project_, "Stop", "38", "1"}).status, 0);
  EXPECT_EQ(RunCli({"place", project_, "Rewind", "284", "290"}).status, 0);
}

TEST_F(PlaceCommand, RefusesBadArguments) {
  for (const std::vector<std::string>& tail : {std::vector<std::string>{"Volume", "0", "0"},
                                               {"31", "0", "0"},
                                               {"Play", "1x", "0"},
                                               {"Play", "0"},
                                               {"Play", "0", "1", "--colors", "16,0,0"},
                                               {"Play", "0", "1", "--colors", "1,2"}}) {
    std::vector<std::string> args{"place", project_};
    args.insert(args.end(), tail.begin(), tail.end());
    Refused(args, 2);
  }
}

TEST_F(PlaceCommand, RefusesAMissingOrDamagedProject) {
  const auto missing = RunCli({"place", In("none.hqd"), "Play", "0", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error : Cannot find hqd-file\n");

  auto bytes = ReadBytes(project_);
  bytes[12 + 910 + 7] = 250;  // a pixel beyond the 214 colours
  testing::WriteBytes(project_, bytes);
  EXPECT_TRUE(
      Refused({"place", project_, "Play", "0", "1"}).err.starts_with("Error : this hqd-file is damaged"));
}

TEST_F(PlaceCommand, AFailingWriteLeavesTheProjectAsItWas) {
  EXPECT_EQ(Refused({"place", project_, "Play", "0", "1"}, 1, {{}, {}, 50000}).err,
            "Error : Cannot make hqd-file.\n");
  EXPECT_NE(RunCli({"place", "--help"}).out.find("place PROJECT.hqd KIND X Y"), std::string::npos);
}

TEST_F(RemoveCommand, TakesThePartOffAndKeepsItsColours) {
  ASSERT_EQ(RunCli({"place", project_, "LevelBarH", "0", "100", "--colors", "6,14,9"}).status, 0);
  ASSERT_EQ(RunCli({"place", project_, "Play", "0", "1"}).status, 0);
  ASSERT_EQ(RunCli({"remove", project_, "LevelBarH"}).status, 0);
  SkinLayout layout = Loaded();
  EXPECT_FALSE(layout.placed(17));
  EXPECT_EQ(layout.part(17).x, -1);
  EXPECT_EQ(layout.part(17).y, -1);
  EXPECT_EQ(layout.part(17).colors, (ColorTriple{6, 14, 9}));
  EXPECT_EQ(layout.placedCount, 1u);

  // The group is free again, and the part comes back with its colours.
  ASSERT_EQ(RunCli({"place", project_, "LevelDotV", "200", "100"}).status, 0);
  ASSERT_EQ(RunCli({"remove", project_, "20"}).status, 0);
  ASSERT_EQ(RunCli({"place", project_, "LevelBarH", "100", "200"}).status, 0);
  EXPECT_EQ(Loaded().part(17).colors, (ColorTriple{6, 14, 9}));
}

TEST_F(RemoveCommand, RefusesAKindThatIsNotPlacedOrAFailingWrite) {
  EXPECT_EQ(Refused({"remove", project_, "Stop"}).err, "Error : Stop is not placed.\n");
  Refused({"remove", project_, "0"}, 2);
  Refused({"remove", project_}, 2);
  ASSERT_EQ(RunCli({"place", project_, "Play", "0", "1"}).status, 0);
  EXPECT_EQ(Refused({"remove", project_, "Play"}, 1, {{}, {}, 1000}).err, "Error : Cannot make hqd-file.\n");
  EXPECT_NE(RunCli({"remove", "--help"}).out.find("remove PROJECT.hqd KIND"), std::string::npos);
}

}  // namespace
}  // namespace vorlune
