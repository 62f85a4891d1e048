// render and animate with the player options, end to end: the scenarios give
// the same bytes on every run, the GIF holds what render draws, and bad keys
// and values are refused by name with nothing written.
#include <gif_lib.h>
#include <gtest/gtest.h>

#include "image/picture_decoding.h"
#include "player/button_press.h"
#include "player/player_scenarios.h"
#include "player/player_settings.h"
#include "support/cli_run.h"
#include "support/folder_test.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::RunCli;

class PlayerCli : public testing::FolderTest {
 protected:
  void SetUp() override {
    FolderTest::SetUp();
    testing::WriteBytes(In("skin.pdb"), testing::SkinBytes(testing::EveryFamilyLayout()));
    testing::SaveProject(In("skin.hqd"), testing::EveryFamilyLayout());
  }
};

TEST_F(PlayerCli, ScenariosDrawTheSameBytesEveryRun) {
  for (const ScenarioInfo& scenario : PlayerScenarios()) {
    const std::string name(scenario.name);
    ASSERT_EQ(RunCli({"render", In("skin.pdb"), In("s.png"), "--scenario", name, "--at", "2.5"}).status, 0);
    EXPECT_GOLDEN("render " + name, testing::ReadBytes(In("s.png")));
    // A project is made into the same skin in memory.
    ASSERT_EQ(RunCli({"render", In("skin.hqd"), In("p.png"), "--scenario", name, "--at", "2.5"}).status, 0);
    EXPECT_EQ(testing::ReadBytes(In("p.png")), testing::ReadBytes(In("s.png"))) << name;
  }
  ASSERT_EQ(RunCli({"render", In("skin.pdb"), In("s.png"), "--scenario", "loud", "--set", "volume=0", "--set",
                    "title=夜明け", "--set", "pressed=Stop"})
                .status,
            0);
  EXPECT_GOLDEN("render loud with settings", testing::ReadBytes(In("s.png")));
  ASSERT_EQ(
      RunCli({"animate", In("skin.pdb"), In("a.gif"), "--scenario", "long-title", "--seconds", "2"}).status,
      0);
  EXPECT_GOLDEN("animate long-title 2 s", testing::ReadBytes(In("a.gif")));
}

struct GifFile {
  GifFileType* gif = nullptr;
  explicit GifFile(const std::string& path) {
    int error = 0;
    gif = DGifOpenFileName(path.c_str(), &error);
    if (gif != nullptr && DGifSlurp(gif) != GIF_OK) gif = nullptr;
  }
  ~GifFile() {
    if (gif != nullptr) DGifCloseFile(gif, nullptr);
  }
};

TEST_F(PlayerCli, AnimationFramesHoldWhatRenderDraws) {
  ASSERT_EQ(
      RunCli({"animate", In("skin.pdb"), In("a.gif"), "--seconds", "1.5", "--fps", "20", "--scale", "2"})
          .status,
      0);
  ASSERT_EQ(RunCli({"render", In("skin.pdb"), In("f0.png"), "--scenario", "playing"}).status, 0);
  const GifFile file(In("a.gif"));
  ASSERT_NE(file.gif, nullptr);
  ASSERT_EQ(file.gif->ImageCount, 30);
  EXPECT_EQ(file.gif->SWidth, 640);
  const SavedImage& first = file.gif->SavedImages[0];
  ASSERT_EQ(first.ImageDesc.Width, 640);
  ASSERT_EQ(first.ImageDesc.Height, 640);
  const RgbImage png = DecodePicture(testing::ReadBytes(In("f0.png")))->image;
  const ColorMapObject* map = file.gif->SColorMap;
  ASSERT_EQ(map->ColorCount, 256);
  for (int y = 0; y < 320; ++y) {
    for (int x = 0; x < 320; ++x) {
      const GifColorType c = map->Colors[first.RasterBits[(2 * y + 1) * 640 + 2 * x]];
      ASSERT_EQ((Rgb{c.Red, c.Green, c.Blue}), png.at(x, y)) << x << "," << y;
    }
  }
  int delays = 0;
  for (int i = 0; i < file.gif->ImageCount; ++i) {
    GraphicsControlBlock control;
    ASSERT_EQ(DGifSavedExtensionToGCB(file.gif, i, &control), GIF_OK);
    EXPECT_NE(control.TransparentColor, 0);
    EXPECT_EQ(control.TransparentColor == NO_TRANSPARENT_COLOR, i == 0);
    delays += control.DelayTime;
    // Later frames store only a rectangle around what changed.
    if (i > 0) {
      const GifImageDesc& rect = file.gif->SavedImages[i].ImageDesc;
      EXPECT_LT(rect.Width * rect.Height, 640 * 640);
    }
  }
  EXPECT_EQ(delays, 150);
}

TEST_F(PlayerCli, BadKeysAndValuesAreRefusedByName) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"render", "--set", "volume=101"}, "'volume'"},
      {{"render", "--set", "loudness=1"}, "'loudness' is not a player setting"},
      {{"render", "--set", "eq=1,2,3"}, "'eq'"},
      {{"render", "--set", "time=100:00"}, "'time'"},
      {{"render", "--set", "pressed=VolumeBarH"}, "'pressed'"},
      {{"render", "--set", "title=\xff"}, "'title'"},
      {{"render", "--set", "repeat"}, "'repeat' needs a value"},
      {{"render", "--scenario", "dance"}, "'dance' is not a scenario"},
      {{"render", "--at", "soon"}, "--at"},
      {{"animate", "--fps", "0"}, "--fps"},
      {{"animate", "--scale", "5"}, "--scale"},
      {{"animate", "--seconds", "0"}, "--seconds"},
      {{"animate", "--set", "peak=1"}, "'peak'"},
  };
  for (const auto& [options, named] : cases) {
    std::vector<std::string> args{options[0], In("skin.pdb"), In("out")};
    args.insert(args.end(), options.begin() + 1, options.end());
    const testing::CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 1) << options[2];
    EXPECT_EQ(run.err.rfind("Error : ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(In("out"))) << options[2];
  }
  // A title display needs the title font; without it nothing is written.
  testing::CliOptions noFont;
  noFont.environment = {"VORLUNE_TITLE_FONT=" + In("none.ttf")};
  const testing::CliRun run = RunCli({"render", In("skin.pdb"), In("out"), "--scenario", "idle"}, noFont);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("fonts-ipafont-gothic"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(In("out")));
}

TEST(PlayerSettings, ValuesSetTheirField) {
  PlayerState state;
  for (const char* s : {"transport=rew", "pressed=Replay", "repeat=on", "volume=0", "eq=0,1,2,3,4,5,6,100",
                        "level=9,10", "peak=11,12", "time=99:59", "track=0", "title=a=b"})
    ASSERT_TRUE(ApplyPlayerSetting(state, s).ok()) << s;
  // transport, pressed, repeat, volume, equalizer, level, peak, seconds, track, title
  const PlayerState expected{Transport::Rewind, 30,       true, 0, {0, 1, 2, 3, 4, 5, 6, 100},
                             {9, 10},           {11, 12}, 5999, 0, "a=b"};
  EXPECT_EQ(state, expected);
  for (const char* bad : {"volume=-1", "volume=+5", "volume=", "eq=1,2,3,4,5,6,7,8,9", "level=1,", "time=1:5",
                          "time=:05", "time=5:60", "track=100", "pressed=Play2", "transport=PLAYING"})
    EXPECT_FALSE(ApplyPlayerSetting(state, bad).ok()) << bad;
  EXPECT_EQ(state, expected);
}

TEST(PlayerButtons, ClicksActAsOnTheHandheld) {
  const PlayerState start = *ScenarioState("paused", 0);  // track 3 at 01:23, volume 50
  const std::vector<std::pair<PartKind, std::string_view>> cases{
      {1, "transport=playing"}, {2, "time=00:00"}, {3, "track=2"},   {4, "track=4"},    {5, "time=01:13"},
      {6, "time=01:33"},        {7, "volume=60"},  {8, "volume=40"}, {30, "repeat=on"}, {9, "volume=50"},
  };
  for (const auto& [kind, setting] : cases) {
    PlayerState expected = start;
    ASSERT_TRUE(ApplyPlayerSetting(expected, setting).ok());
    if (kind == 2) expected.transport = Transport::Stopped;
    if (kind == 3 || kind == 4) expected.seconds = 0;
    EXPECT_EQ(PressPlayerButton(start, kind), expected) << kind;
  }
  EXPECT_EQ(PressPlayerButton(*ScenarioState("playing", 0), 1).transport, Transport::Paused);
  PlayerState loud;
  loud.volume = 95;
  EXPECT_EQ(PressPlayerButton(loud, 7).volume, 100);
}

TEST(PlayerScenarios, AreFunctionsOfTheirTime) {
  for (const ScenarioInfo& s : PlayerScenarios()) {
    for (const std::int64_t ms : {0, 1234, 60000}) {
      const PlayerState state = *ScenarioState(s.name, ms);
      EXPECT_EQ(state, *ScenarioState(s.name, ms));
      for (std::size_t c = 0; c < 2; ++c) EXPECT_GE(state.peak[c], state.level[c]) << s.name;
    }
  }
  EXPECT_NE(ScenarioState("playing", 1000)->equalizer, ScenarioState("playing", 1050)->equalizer);
  EXPECT_EQ(ScenarioState("playing", 61000)->seconds, 61);
  EXPECT_EQ(ScenarioState("seek", 1000)->transport, Transport::FastForward);
  EXPECT_GT(ScenarioState("seek", 2000)->seconds, ScenarioState("seek", 1000)->seconds);
  EXPECT_EQ(ScenarioState("seek", 4000)->transport, Transport::Rewind);
  EXPECT_FALSE(ScenarioState("dance", 0));
}

}  // namespace
}  // namespace vorlune
