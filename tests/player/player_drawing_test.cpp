// The simulator against the skin's own state bitmaps: per part family, a table
// of states and the state each pixel must come from.
#include <gtest/gtest.h>

#include <functional>

#include "player/player_settings.h"
#include "player/player_simulator.h"
#include "player/title_scroll.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;

constexpr int kBackground = -1;  // the pixel shows the background

struct Drawn {
  SkinDatabase skin;
  IndexedFrame frame;
};

PlayerState With(const std::vector<std::string_view>& settings) {
  PlayerState state;
  for (const std::string_view s : settings) EXPECT_TRUE(ApplyPlayerSetting(state, s).ok()) << s;
  return state;
}

// The frame of a skin with the one part, placed at (40, 30) in off 6, on 14 and max 9.
Drawn DrawOne(PartKind k, const PlayerState& state, ColorTriple colors = {6, 14, 9}, std::int64_t ms = 0) {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, k, 40, 30, colors);
  const std::vector<std::uint8_t> bytes = testing::SkinBytes(layout);
  PlayerSimulator simulator;
  EXPECT_TRUE(simulator.SetSkin(bytes).ok());
  return {*ReadSkinDatabase(bytes), simulator.Draw(state, ms)};
}

// What pixel (x, y) of the part must show: state s's pixel, or the background.
std::uint8_t Expected(const Drawn& d, int s, int x, int y, int stripX = -1) {
  const SkinPartView& part = d.skin.parts.front();
  const int px = part.x + x;
  const int py = part.y + y;
  if (s == kBackground) return d.skin.backgroundAt(px, py);
  const std::uint8_t index = part.states.at(static_cast<std::size_t>(s)).at(stripX < 0 ? x : stripX, y);
  return index != 0 ? index : d.skin.backgroundAt(px, py);
}

// Every pixel of the part shows state s (of the strip cell `cellOf(x)`, if given).
void ExpectWholePart(const Drawn& d, int s, const std::function<int(int x)>& cellOf = {}) {
  const SkinPartView& part = d.skin.parts.front();
  for (int y = 0; y < part.height; ++y)
    for (int x = 0; x < part.width; ++x)
      ASSERT_EQ(d.frame.at(part.x + x, part.y + y), Expected(d, s, x, y, cellOf ? cellOf(x) : -1))
          << x << "," << y;
}

struct PixelCase {
  PartKind kind;
  std::vector<std::string_view> settings;
  int x, y;   // within the part
  int state;  // 0 off, 1 on, 2 max, or kBackground
};

TEST(PlayerDrawing, MeterUnitsAndPeaksComeFromTheirStates) {
  const std::vector<PixelCase> cases{
      {9, {"volume=50"}, 31, 0, 1},  // 32 of 64 px lit, counted from the left
      {9, {"volume=50"}, 32, 5, 0},
      {9, {"volume=0"}, 0, 0, 0},
      {10, {"volume=50"}, 0, 32, 1},  // from the bottom
      {10, {"volume=50"}, 0, 31, 0},
      {11, {"volume=50"}, 30, 0, 1},  // 16 of 32 dots
      {11, {"volume=50"}, 32, 0, 0},
      {11, {"volume=50"}, 31, 0, kBackground},
      {12, {"volume=100"}, 3, 1, 1},
      {13, {"eq=0,0,25,0,0,0,0,0"}, 31, 42, 1},  // band 2: 32 of 128 px
      {13, {"eq=0,0,25,0,0,0,0,0"}, 32, 42, 0},
      {13, {"eq=0,0,25,0,0,0,0,0"}, 0, 62, 0},
      {14, {"eq=0,0,0,0,0,0,0,100"}, 142, 0, 1},
      {15, {"eq=50,0,0,0,0,0,0,0"}, 57, 2, 1},  // 8 of 16 segments
      {15, {"eq=50,0,0,0,0,0,0,0"}, 65, 2, 0},
      {16, {"eq=0,10,0,0,0,0,0,0"}, 22, 118, 1},  // round(1.6) = 2 segments
      {16, {"eq=0,10,0,0,0,0,0,0"}, 22, 110, 0},
      {17, {"level=50,0", "peak=75,0"}, 63, 2, 1},
      {17, {"level=50,0", "peak=75,0"}, 64, 2, 0},
      {17, {"level=50,0", "peak=75,0"}, 87, 2, 0},  // the peak lights units 88..95
      {17, {"level=50,0", "peak=75,0"}, 88, 2, 2},
      {17, {"level=50,0", "peak=75,0"}, 95, 17, 2},
      {17, {"level=50,0", "peak=75,0"}, 96, 2, 0},
      {17, {"level=50,0", "peak=75,0"}, 0, 22, 0},  // peak 0 lights nothing
      {18, {"peak=5,0"}, 2, 127, 2},                // u = 6: units 0..5, cut at the bottom
      {18, {"peak=5,0"}, 2, 121, 0},
      {19, {"level=50,50", "peak=75,75"}, 89, 22, 2},  // one segment: 11
      {19, {"level=50,50", "peak=75,75"}, 81, 22, 0},
      {19, {"level=50,50", "peak=75,75"}, 57, 22, 1},
      {20, {"peak=0,100"}, 22, 6, 2},  // the top segment
  };
  for (const PixelCase& c : cases) {
    const Drawn d = DrawOne(c.kind, With(c.settings));
    const SkinPartView& part = d.skin.parts.front();
    EXPECT_EQ(d.frame.at(part.x + c.x, part.y + c.y), Expected(d, c.state, c.x, c.y))
        << "kind " << c.kind << " at " << c.x << "," << c.y << " " << c.settings.front();
  }
}

TEST(PlayerDrawing, StatesTheSkinLacksDrawNothing) {
  // A level meter without a maximum colour shows no peak; one without an on
  // colour shows its lit units as background.
  const Drawn noMax = DrawOne(17, With({"level=50,0", "peak=75,0"}), {6, 14, kNoColor});
  EXPECT_EQ(noMax.frame.at(40 + 90, 30 + 2), Expected(noMax, 0, 90, 2));
  const Drawn offOnly = DrawOne(9, With({"volume=50"}), {6, kNoColor, kNoColor});
  EXPECT_EQ(offOnly.frame.at(40, 30), Expected(offOnly, kBackground, 0, 0));
  EXPECT_EQ(offOnly.frame.at(40 + 40, 30), Expected(offOnly, 0, 40, 0));
}

TEST(PlayerDrawing, ButtonsShowStateOneWhileOn) {
  const std::vector<PixelCase> cases{
      {1, {}, 0, 0, 0},
      {1, {"transport=playing"}, 0, 0, 1},
      {1, {"pressed=Play"}, 0, 0, 1},
      {1, {"transport=paused"}, 0, 0, 0},
      {2, {"transport=playing"}, 0, 0, 0},
      {2, {"pressed=Stop"}, 0, 0, 1},
      {2, {"pressed=Play"}, 0, 0, 0},
      {6, {"transport=ff"}, 0, 0, 1},
      {5, {"transport=rew"}, 0, 0, 1},
      {5, {"transport=ff"}, 0, 0, 0},
      {30, {"repeat=on"}, 0, 0, 1},
      {7, {"pressed=VolumeUp"}, 0, 0, 1},
  };
  for (const PixelCase& c : cases) {
    SCOPED_TRACE(c.kind);
    ExpectWholePart(DrawOne(c.kind, With(c.settings), {9, 12, kNoColor}), c.state);
  }
  // Without an image a pressed button draws nothing.
  const Drawn bare = DrawOne(1, With({"pressed=Play"}), {kNoColor, kNoColor, kNoColor});
  EXPECT_EQ(bare.frame.pixels, DrawOne(3, {}, {kNoColor, kNoColor, kNoColor}).frame.pixels);
}

TEST(PlayerDrawing, TimeAndTrackShowDigitCellsOfTheirStrip) {
  struct DigitCase {
    PartKind kind;
    std::string_view setting;
    std::vector<int> cells;  // 10 is the colon
  };
  const std::vector<DigitCase> cases{
      {21, "time=12:34", {1, 2, 10, 3, 4}},
      {22, "time=99:59", {9, 9, 10, 5, 9}},
      {23, "time=0:07", {0, 0, 10, 0, 7}},
      {24, "track=7", {0, 7}},
      {26, "track=99", {9, 9}},
  };
  for (const DigitCase& c : cases) {
    SCOPED_TRACE(c.setting);
    ExpectWholePart(DrawOne(c.kind, With({c.setting}), {14, kNoColor, kNoColor}), 0,
                    [&](int x) { return c.cells[static_cast<std::size_t>(x / 30)] * 30 + x % 30; });
  }
}

TEST(PlayerDrawing, TitleScrollsThereAndBack) {
  // 60 px too wide: rest 1 s, 2 s to the end, rest 1 s, 2 s back; period 6 s.
  const std::vector<std::pair<std::int64_t, int>> offsets{
      {0, 0}, {999, 0}, {1500, 15}, {2999, 59}, {3000, 60}, {3999, 60}, {5000, 30}, {6000, 0}, {7500, 15}};
  for (const auto& [ms, offset] : offsets) EXPECT_EQ(TitleScrollOffset(300, 240, ms), offset) << ms;
  EXPECT_EQ(TitleScrollOffset(240, 240, 1500), 0);
  EXPECT_EQ(TitleScrollOffset(10, 240, 1500), 0);
}

TEST(PlayerDrawing, TitleInkStaysInItsDisplayInItsColour) {
  for (PartKind k = 27; k <= 29; ++k) {
    const PlayerState state =
        With({"title=真夜中のハーモニクエスト ～ 遠い街の灯りを数えながら ～ Extended"});
    const Drawn start = DrawOne(k, state, {14, kNoColor, kNoColor}, 0);
    const Drawn moved = DrawOne(k, state, {14, kNoColor, kNoColor}, 2000);
    const Drawn blank = DrawOne(k, {}, {14, kNoColor, kNoColor}, 0);
    const SkinPartView& part = start.skin.parts.front();
    int inked = 0;
    for (int y = 0; y < kCanvasSize; ++y) {
      for (int x = 0; x < kCanvasSize; ++x) {
        const bool inside = x >= part.x && y >= part.y && x < part.x + part.width && y < part.y + part.height;
        const std::uint8_t shown = start.frame.at(x, y);
        if (shown == blank.frame.at(x, y)) continue;
        ASSERT_TRUE(inside) << x << "," << y;
        ASSERT_EQ(shown, 15);  // text colour 14 + 1
        ++inked;
      }
    }
    EXPECT_GT(inked, part.width / 2) << "kind " << k;
    EXPECT_NE(start.frame.pixels, moved.frame.pixels) << "kind " << k;
  }
}

TEST(PlayerDrawing, LayoutsAreSimulatedWithoutChangingThem) {
  const SkinLayout layout = testing::EveryFamilyLayout();
  const std::vector<std::uint8_t> before = testing::LayoutBytes(layout);
  PlayerSimulator fromLayout;
  PlayerSimulator fromSkin;
  ASSERT_TRUE(fromLayout.SetLayout(layout).ok());
  ASSERT_TRUE(fromSkin.SetSkin(testing::SkinBytes(layout)).ok());
  EXPECT_EQ(testing::LayoutBytes(layout), before);
  const PlayerState state = With({"transport=playing", "eq=10,20,30,40,50,60,70,80", "title=Harmoniquest"});
  EXPECT_EQ(fromLayout.Draw(state, 0).pixels, fromSkin.Draw(state, 0).pixels);
  EXPECT_EQ(fromLayout.ButtonAt(0, 0), 1);
  EXPECT_EQ(fromLayout.ButtonAt(130, 0), kNoKind);
}

}  // namespace
}  // namespace vorlune
