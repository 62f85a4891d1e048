// The help while placing: its snapping targets and refusals, and that it
// foretells how the PlacementEditor takes the click.
#include "layout/placement_help.h"

#include <gtest/gtest.h>

#include <random>

#include "layout/placement_editor.h"

namespace vorlune {
namespace {

struct Placed {
  PartKind kind;
  int x, y;
};

SkinLayout LayoutWith(const std::vector<Placed>& parts, bool background = true) {
  SkinLayout layout = NewSkinLayout();
  layout.backgroundLoaded = background;
  for (const Placed& p : parts) layout.part(p.kind).x = p.x, layout.part(p.kind).y = p.y;
  return layout;
}

constexpr auto V = GuideOrientation::Vertical;
constexpr auto H = GuideOrientation::Horizontal;
const std::vector<Placed> kStop{{2, 100, 101}};

// Play (36 x 30) unless said; its x stays even and its y odd.
TEST(PlacementHelp, SnapsToTheSkinAndToOtherParts) {
  struct Row {
    const char* what;
    std::vector<Placed> parts;
    PartKind kind;
    CanvasPoint mouse, at;
    std::vector<GuideLine> guides;
    double distance = 6;
  };
  const Row rows[] = {
      {"left edge", {}, 1, {22, 150}, {0, 135}, {{V, 0, 0, 320}}},
      {"not within 0.75 (a high zoom)", {}, 1, {22, 150}, {4, 135}, {}, 0.75},
      {"beyond the left edge, within reach", {}, 1, {10, 150}, {0, 135}, {{V, 0, 0, 320}}, 8},
      {"last column and row a click reaches",
       {},
       1,
       {297, 300},
       {282, 289},
       {{V, 320, 0, 320}, {H, 320, 0, 320}}},
      {"centre lines", {}, 1, {157, 163}, {142, 145}, {{V, 160, 0, 320}, {H, 160, 0, 320}}},
      {"right of Stop past the free pixel, lined up",
       kStop,
       1,
       {152, 116},
       {138, 101},
       {{V, 136, 101, 131}, {H, 101, 100, 174}, {H, 131, 100, 174}, {H, 116, 100, 174}}},
      {"left of Stop", kStop, 1, {84, 126}, {62, 111}, {{V, 100, 101, 141}}},
      {"edges of a volume bar are off the steps", {{10, 201, 40}}, 1, {218, 216}, {200, 201}, {}},
  };
  for (const Row& r : rows) {
    const PlacementHelp help = ComputePlacementHelp(LayoutWith(r.parts), r.kind, r.mouse, {true, r.distance});
    EXPECT_EQ(help.position, r.at) << r.what;
    EXPECT_EQ(help.guides, r.guides) << r.what;
    EXPECT_EQ(help.refusal, Refusal{}) << r.what;
  }
}

TEST(PlacementHelp, RefusesAsTheRulesDo) {
  struct Row {
    std::vector<Placed> parts;
    PartKind kind;
    CanvasPoint mouse, at;
    Refusal refusal;
    std::string text;
    bool background = true;
  };
  const Row rows[] = {
      {{{2, 0, 1}}, 1, {54, 16}, {36, 1}, {RefusalReason::Touches, 2}, "停止ボタンと接しています"},
      {{{2, 0, 1}}, 1, {56, 16}, {38, 1}, {}, ""},
      {{{2, 0, 1}, {1, 40, 1}},
       30,
       {38, 16},
       {20, 1},
       {RefusalReason::Touches, 1},
       "再生ボタンと接しています"},
      {kStop, 1, {152, 116}, {134, 101}, {RefusalReason::Touches, 2}, "停止ボタンと接しています"},
      {{}, 1, {10, 150}, {0, 135}, {RefusalReason::Outside}, "画面からはみ出します"},
      {{}, 1, {150, 318}, {132, 289}, {RefusalReason::Outside}, "画面からはみ出します"},
      {{{9, 10, 10}},
       12,
       {100, 100},
       {97, 68},
       {RefusalReason::GroupPlaced, 9},
       "ボリュームレベル(横バー)が配置済みです"},
      {{},
       1,
       {100, 100},
       {82, 85},
       {RefusalReason::NoBackground},
       "背景画像を読み込んでから配置して下さい",
       false},
  };
  for (const Row& r : rows) {
    const PlacementHelp help =
        ComputePlacementHelp(LayoutWith(r.parts, r.background), r.kind, r.mouse, {false});
    EXPECT_EQ(help.position, r.at) << r.text;
    EXPECT_EQ(help.refusal, r.refusal) << r.text;
    EXPECT_EQ(RefusalText(help.refusal), r.text);
  }
}

// Over random layouts made by the editor: a click where the help says is
// taken exactly when it finds no refusal, and lands where it showed the part.
TEST(PlacementHelp, ForetellsTheEditorsAnswer) {
  std::mt19937 random(20);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int trial = 0; trial < 3000; ++trial) {
    SkinLayout layout = LayoutWith({});
    PlacementState state;
    PlacementEditor editor(layout, state);
    for (int i = pick(0, 25); i > 0; --i) {
      editor.PressPartButton(pick(1, 30));
      editor.LeftButtonDown({pick(20, 339), pick(20, 339)});
      editor.RightButtonDown({0, 0});  // drops whatever was not put down
    }
    const PartKind k = pick(1, 30);
    if (layout.placed(k))
      editor.LeftButtonDown({layout.part(k).x + 20, layout.part(k).y + 20});
    else
      editor.PressPartButton(k);
    const bool buttonRefused = state.currentKind != k;
    layout.backgroundLoaded = pick(0, 9) > 0;
    const PlacementHelp help = ComputePlacementHelp(layout, k, {pick(-40, 360), pick(-40, 360)},
                                                    {pick(0, 3) > 0, pick(0, 16) / 2.0});
    ASSERT_TRUE(LiesOnCanvas(k, help.position));
    const RefusalReason reason = help.refusal.reason;
    EXPECT_EQ(reason == RefusalReason::GroupPlaced, buttonRefused && layout.backgroundLoaded) << trial;
    const PlacementEffects effects = editor.LeftButtonDown(help.click);
    const CanvasPoint landed{layout.part(k).x, layout.part(k).y};
    EXPECT_EQ(!buttonRefused && layout.placed(k), reason == RefusalReason::None) << trial;
    if (reason == RefusalReason::None) {
      EXPECT_EQ(landed, help.position) << trial;
    }
    EXPECT_EQ(effects.message.has_value(), reason == RefusalReason::Touches) << trial;
  }
}

}  // namespace
}  // namespace vorlune
