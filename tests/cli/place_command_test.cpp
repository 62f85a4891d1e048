#include <gtest/gtest.h>

#include "cli/place_fixture_support.h"
#include "core/byte_order.h"
#include "project/project_file.h"

namespace vorlune {
namespace {

using namespace place_fixture;

class PlaceCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("place");
    project_ = (folder_ / "skin.hqd").string();
    WriteProject(project_, ImportedLayout());
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  SkinLayout Loaded() const {
    auto layout = ReadProjectFile(FileBytes(project_));
    EXPECT_TRUE(layout.ok());
    return layout.ok() ? *layout : SkinLayout{};
  }

  // Runs a command that must be refused and checks that the file stayed as it was.
  CliRun Refused(const std::vector<std::string>& args, int status = 1) {
    const auto before = FileBytes(project_);
    CliRun run = RunCli(args);
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_EQ(FileBytes(project_), before);
    EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
    return run;
  }

  std::filesystem::path folder_;
  std::string project_;
};

TEST_F(PlaceCommand, PlacesAPartWithTheColoursOfAPlainOk) {
  struct Case {
    const char* kind;
    PartKind k;
    int x, y;
    ColorTriple colors;
  };
  const Case cases[] = {
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
  EXPECT_EQ(FileBytes(project_).size(), 103766u);
}

TEST_F(PlaceCommand, TakesColoursGivenOrThoseThePartLastHad) {
  ASSERT_EQ(RunCli({"place", project_, "Stop", "100", "101", "--colors", "3,5,-1"}).status, 0);
  EXPECT_EQ(Loaded().part(2).colors, (ColorTriple{3, 5, -1}));
  ASSERT_EQ(RunCli({"place", project_, "Time3", "0", "200", "--colors=0,-1,-1"}).status, 0);
  EXPECT_EQ(Loaded().part(23).colors, (ColorTriple{0, -1, -1}));

  SkinLayout layout = ImportedLayout();
  layout.part(18).colors = {1, 2, 3};  // placed and removed before
  WriteProject(project_, layout);
  ASSERT_EQ(RunCli({"place", project_, "LevelBarV", "10", "10"}).status, 0);
  EXPECT_EQ(Loaded().part(18).colors, (ColorTriple{1, 2, 3}));
}

TEST_F(PlaceCommand, KeepsThePlacedCountEqualToThePlacedRows) {
  SkinLayout layout = ImportedLayout();
  layout.placedCount = 5;  // a file whose count disagrees with its rows
  WriteProject(project_, layout);
  ASSERT_EQ(RunCli({"place", project_, "Play", "0", "1"}).status, 0);
  const auto bytes = FileBytes(project_);
  EXPECT_EQ(ReadBE16(bytes, 12 + 910 + 102400), 1);
}

TEST_F(PlaceCommand, RefusesATouchingPartWithTheEditorsMessage) {
  ASSERT_EQ(RunCli({"place", project_, "Play", "0", "1"}).status, 0);
  EXPECT_EQ(Refused({"place", project_, "Stop", "36", "1"}).err,
            "他の部品と重なっているため配置できません\n");
  Refused({"place", project_, "EqualizerBarH", "20", "20"});  // overlaps
  EXPECT_EQ(RunCli({"place", project_, "Stop", "38", "1"}).status, 0);
}

TEST_F(PlaceCommand, RefusesAPartNotWhollyOnTheCanvas) {
  for (const auto& [x, y] :
       {std::pair{"285", "0"}, {"0", "291"}, {"-1", "0"}, {"0", "-1"}, {"2147483647", "0"}}) {
    const auto run = Refused({"place", project_, "Play", x, y});
    EXPECT_TRUE(run.err.starts_with("Error : ")) << run.err;
  }
  EXPECT_EQ(RunCli({"place", project_, "Play", "284", "290"}).status, 0);
}

TEST_F(PlaceCommand, RefusesAKindPlacedAlreadyOrOfAPlacedGroup) {
  ASSERT_EQ(RunCli({"place", project_, "VolumeBarH", "0", "0"}).status, 0);
  EXPECT_EQ(Refused({"place", project_, "VolumeBarH", "100", "100"}).err,
            "Error : VolumeBarH is already placed.\n");
  EXPECT_EQ(Refused({"place", project_, "12", "100", "100"}).err,
            "Error : VolumeDotV cannot be placed while VolumeBarH of the same group is placed.\n");
}

TEST_F(PlaceCommand, RefusesBadArguments) {
  Refused({"place", project_, "Volume", "0", "0"}, 2);
  Refused({"place", project_, "31", "0", "0"}, 2);
  Refused({"place", project_, "Play", "1x", "0"}, 2);
  Refused({"place", project_, "Play", "0"}, 2);
  Refused({"place", project_, "Play", "0", "1", "--colors", "16,0,0"}, 2);
  Refused({"place", project_, "Play", "0", "1", "--colors", "1,2"}, 2);
  // No colour dialog hands back a first colour of none, and a button without
  // image has no colours at all.
  Refused({"place", project_, "Time1", "0", "0", "--colors", "-1,3,-1"});
  Refused({"place", project_, "Play", "0", "1", "--colors", "-1,3,-1"});
}

TEST_F(PlaceCommand, RefusesAMissingOrDamagedProject) {
  const auto missing = RunCli({"place", (folder_ / "none.hqd").string(), "Play", "0", "1"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Error : Cannot find hqd-file\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "none.hqd"));

  auto bytes = FileBytes(project_);
  bytes[12 + 910 + 7] = 250;  // a pixel beyond the 214 colours
  WriteBytes(project_, bytes);
  EXPECT_TRUE(
      Refused({"place", project_, "Play", "0", "1"}).err.starts_with("Error : this hqd-file is damaged"));
}

TEST_F(PlaceCommand, AFailingWriteLeavesTheProjectAsItWas) {
  const auto before = FileBytes(project_);
  const auto run = RunCli({"place", project_, "Play", "0", "1"}, 50000);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error : Cannot make hqd-file.\n");
  EXPECT_EQ(FileBytes(project_), before);
  EXPECT_EQ(FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(PlaceCommand, DescribesItself) {
  const auto run = RunCli({"place", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("place PROJECT.hqd KIND X Y"), std::string::npos);
}

}  // namespace
}  // namespace vorlune
