// Help while placing: snapping, refusals, and the PlacementEditor agreeing.
#include "layout/placement_help.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "layout/placement_editor.h"

namespace vorlune {
namespace {

using Parts = std::vector<std::tuple<PartKind, int, int>>;  // kind, x, y

SkinLayout LayoutWith(const Parts& parts) {
  SkinLayout layout = NewSkinLayout();
  layout.backgroundLoaded = true;
  for (const auto& [kind, x, y] : parts) layout.part(kind).x = x, layout.part(kind).y = y;
  return layout;
}

constexpr auto V = GuideOrientation::Vertical, H = GuideOrientation::Horizontal;
using R = RefusalReason;
const Parts kStop{{2, 100, 101}};

// Play (36 x 30) keeps x even and y odd. A distance below 0: snapping off (Alt).
TEST(PlacementHelp, SnapsAndRefusesAsTheRulesDo) {
  // what or the refusal's text, parts, kind, distance, mouse, position, refusal, guides
  // clang-format off
  using Row = std::tuple<const char*, Parts, PartKind, double, CanvasPoint, CanvasPoint, Refusal,
                         std::vector<GuideLine>>;
  const Row rows[] = {
      {"not within 0.75 (a high zoom)", {}, 1, 0.75, {22, 150}, {4, 135}, {}, {}},
      {"beyond the left edge, within reach", {}, 1, 8, {10, 150}, {0, 135}, {}, {{V, 0, 0, 320}}},
      {"far edges", {}, 1, 6, {297, 300}, {282, 289}, {}, {{V, 320, 0, 320}, {H, 320, 0, 320}}},
      {"centre lines", {}, 1, 6, {157, 163}, {142, 145}, {}, {{V, 160, 0, 320}, {H, 160, 0, 320}}},
      {"right of Stop past the free pixel, lined up", kStop, 1, 6, {152, 116}, {138, 101}, {},
       {{V, 136, 101, 131}, {H, 101, 100, 174}, {H, 131, 100, 174}, {H, 116, 100, 174}}},
      {"lined up with two parts", {{2, 100, 101}, {4, 100, 201}}, 1, 6, {118, 170}, {100, 155}, {},
       {{V, 100, 101, 231}, {V, 136, 101, 231}, {V, 118, 101, 231}}},
      {"left of Stop", kStop, 1, 6, {84, 126}, {62, 111}, {}, {{V, 100, 101, 141}}},
      {"volume bar edges: off the steps", {{10, 201, 40}}, 1, 6, {218, 216}, {200, 201}, {}, {}},
      {"停止ボタンと接しています", kStop, 1, -1, {152, 116}, {134, 101}, {R::Touches, 2}, {}},
      {"停止ボタンと接しています", {{2, 0, 1}}, 1, -1, {54, 16}, {36, 1}, {R::Touches, 2}, {}},
      {"one free pixel is enough", {{2, 0, 1}}, 1, -1, {56, 16}, {38, 1}, {}, {}},
      {"再生ボタンと接しています", {{2, 0, 1}, {1, 40, 1}}, 30, -1, {38, 16}, {20, 1}, {R::Touches, 1}, {}},
      {"画面からはみ出します", {}, 1, 6, {10, 150}, {0, 135}, {R::Outside}, {}},
      {"画面からはみ出します", {}, 1, -1, {150, 318}, {132, 289}, {R::Outside}, {}},
      {"ボリュームレベル(横バー)が配置済みです", {{9, 10, 10}}, 12, -1, {100, 100}, {97, 68},
       {R::GroupPlaced, 9}, {}},
  };
  // clang-format on
  for (const auto& [what, parts, kind, distance, mouse, at, refusal, guides] : rows) {
    const PlacementHelp help =
        ComputePlacementHelp(LayoutWith(parts), kind, mouse, {distance >= 0, distance});
    EXPECT_EQ(help.position, at) << what;
    EXPECT_EQ(help.refusal, refusal) << what;
    EXPECT_EQ(RefusalText(help.refusal), refusal == Refusal{} ? "" : what);
    EXPECT_EQ(help.guides, guides) << what;
  }
}

// Over random layouts made by the editor: a click where the help says is taken
// exactly when it finds no refusal, and lands where the help showed the part;
// a key move to that position is helped alike.
TEST(PlacementHelp, ForetellsTheEditorsAnswer) {
  std::mt19937 random(20);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  for (int trial = 0; trial < 3000; ++trial) {
    SkinLayout layout = LayoutWith({});
    PlacementState state;
    PlacementEditor editor(layout, state);
    for (int i = pick(0, 25); i > 0; --i)  // place, and drop what was not put down
      editor.PressPartButton(pick(1, 30)), editor.LeftButtonDown({pick(20, 339), pick(20, 339)}),
          editor.RightButtonDown({0, 0});
    const PartKind k = pick(1, 30);  // lifted when placed, else its button pressed
    const PartRecord& part = layout.part(k);
    part.placed() ? editor.LeftButtonDown({part.x + 20, part.y + 20}) : editor.PressPartButton(k);
    const bool buttonRefused = state.currentKind != k;
    layout.backgroundLoaded = pick(0, 9) > 0;
    const PlacementHelpOptions options{pick(0, 3) > 0, pick(0, 16) / 2.0};
    const PlacementHelp help = ComputePlacementHelp(layout, k, {pick(-40, 360), pick(-40, 360)}, options);
    ASSERT_TRUE(LiesOnCanvas(k, help.position));
    // The keys, which move the part over such positions, get the same help there.
    const PlacementHelp keyed = KeyPlacementHelp(layout, k, help.position);
    EXPECT_EQ(keyed.position, help.position) << trial;
    EXPECT_TRUE(help.refusal.reason == R::Outside || keyed.refusal == help.refusal) << trial;
    EXPECT_EQ(help.refusal.reason == R::GroupPlaced, buttonRefused && layout.backgroundLoaded) << trial;
    const bool touchMessage = editor.LeftButtonDown(help.click).message.has_value();
    EXPECT_EQ(!buttonRefused && part.placed(), help.refusal.reason == R::None) << trial;
    EXPECT_TRUE(!part.placed() || (CanvasPoint{part.x, part.y} == help.position)) << trial;
    EXPECT_EQ(touchMessage, help.refusal.reason == R::Touches) << trial;
  }
}

}  // namespace
}  // namespace vorlune
