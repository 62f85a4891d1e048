#include <gtest/gtest.h>

#include <random>

#include "core/byte_order.h"
#include "layout/placement_editor.h"
#include "support/golden.h"

namespace vorlune {
namespace {

// Placement is checked by a long random walk of window events: the layout must
// stay sound after every event, and the effects must be those of the golden trace.
// A stand-in for the editor window: it applies the effects as the real one
// does and answers property dialogs with OK and fresh colours.
struct WindowStandIn {
  SkinLayout layout = NewSkinLayout();
  PlacementState state;
  PlacementEditor editor{layout, state};
  PartButtonStates buttons = EnabledPartButtons(layout, state);
  std::mt19937 random{20261206};

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // Every effect and the state after each event, for the golden check.
  std::vector<std::uint8_t> trace;
  void Record(std::int64_t value) { AppendBE32(trace, static_cast<std::uint32_t>(value)); }
  void Record(std::string_view text) {
    trace.insert(trace.end(), text.begin(), text.end()), trace.push_back(0);
  }

  void Apply(const PlacementEffects& effects) {
    Record(effects.placementText ? *effects.placementText : std::string_view("(unchanged)"));
    if (effects.partButtons)
      trace.insert(trace.end(), effects.partButtons->begin(), effects.partButtons->end());
    if (effects.message) Record(effects.message->text), Record(static_cast<int>(effects.message->icon));
    Record(effects.propertyDialog.value_or(-1));
    for (const ClientRect& r : effects.invalidate)
      Record(r.left), Record(r.top), Record(r.right), Record(r.bottom);
    Record(state.currentKind), Record(state.movingFlag);
    Record(state.preview.x), Record(state.preview.y), Record(state.lastPreview.x),
        Record(state.lastPreview.y);
    for (const PartRecord& part : layout.parts) Record(part.x), Record(part.y);
    if (effects.partButtons) buttons = *effects.partButtons;
    if (effects.propertyDialog) {
      ASSERT_TRUE(IsPartKind(*effects.propertyDialog));
      ASSERT_TRUE(layout.placed(*effects.propertyDialog));
      layout.part(*effects.propertyDialog).colors = {static_cast<PickerIndex>(Pick(-1, 15)), 0, -1};
    }
  }

  void RandomEvent() {
    const ClientPoint point{Pick(0, 360), Pick(0, 360)};
    switch (Pick(0, 9)) {
      case 0:
      case 1:
        Apply(editor.PressPartButton(Pick(0, 31)));
        break;
      case 2:
      case 3:
      case 4:
        Apply(editor.LeftButtonDown(point));
        break;
      case 5:
        Apply(editor.RightButtonDown(point));
        break;
      case 6:
      case 7:
      case 8:
        Apply(editor.MouseMove(point));
        break;
      default:
        if (Pick(0, 5) == 0) {
          layout.backgroundLoaded = true;
          Apply(editor.BackgroundReplaced());
        }
    }
  }
};

TEST(PlacementSequences, RandomEventsKeepTheLayoutSound) {
  WindowStandIn window;
  int mostPlaced = 0;
  for (int step = 0; step < 20000; ++step) {
    window.RandomEvent();
    if (::testing::Test::HasFatalFailure()) return;
    const SkinLayout& layout = window.layout;
    const PlacementState& state = window.state;
    const int placed = CountPlacedRows(layout);
    mostPlaced = std::max(mostPlaced, placed);
    ASSERT_EQ(layout.placedCount, static_cast<std::uint32_t>(placed)) << "step " << step;
    ASSERT_EQ(window.buttons, EnabledPartButtons(layout, state)) << "step " << step;
    ASSERT_FALSE(layout.placed(0));
    if (state.movingFlag != 0) {
      ASSERT_TRUE(IsPartKind(state.currentKind));
      ASSERT_FALSE(layout.placed(state.currentKind));
    }
    for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
      const PartRecord& part = layout.part(k);
      ASSERT_EQ(part.x < 0, part.y < 0) << "kind " << k;
      if (!part.placed()) continue;
      ASSERT_TRUE(LiesOnCanvas(k, {part.x, part.y})) << "kind " << k;
      ASSERT_FALSE(FirstTouchedPart(layout, k, {part.x, part.y})) << "kind " << k << " step " << step;
      ASSERT_EQ(PlacedKindOfGroup(layout, k), k) << "two kinds of one group, step " << step;
    }
  }
  EXPECT_GE(mostPlaced, 4);  // the walk did reach crowded layouts
  // Each effect of the walk, byte for byte, as the editor gave it when checked by hand.
  EXPECT_GOLDEN("random walk", window.trace);
}

}  // namespace
}  // namespace vorlune
