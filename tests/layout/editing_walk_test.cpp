// Placement and the editing history are checked by a long random walk of
// window events: the layout must stay sound after every event, the effects
// must be those of the golden trace, and undo, redo and the unsaved mark must
// bring back exactly the layouts recorded.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string_view>

#include "core/byte_order.h"
#include "layout/layout_history.h"
#include "layout/placement_editor.h"
#include "project/project_file.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

// The bytes a layout is saved as.
std::vector<std::uint8_t> LayoutBytes(const SkinLayout& layout) {
  return WriteProjectFile(layout);
}

std::size_t HashOf(const SkinLayout& layout) {
  const std::vector<std::uint8_t> bytes = LayoutBytes(layout);
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// A stand-in for the editor window: it applies the effects as the real one
// does, answers property dialogs with OK and fresh colours, records a history
// step after every settled event and lets a lifted part go before undo or import.
struct WindowStandIn {
  SkinLayout layout = NewSkinLayout();
  PlacementState state;
  PlacementEditor editor{layout, state};
  PartButtonStates buttons = EnabledPartButtons(layout, state);
  LayoutHistory history{layout};
  std::vector<std::size_t> hashes{HashOf(layout)};  // of each position
  std::size_t position = 0;
  std::vector<std::uint8_t> saved = LayoutBytes(layout);
  std::mt19937 random{20261206};

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  // Every effect and the state after each event, for the golden check.
  std::vector<std::uint8_t> trace;
  void Trace(std::int64_t value) { AppendBE32(trace, static_cast<std::uint32_t>(value)); }
  void Trace(std::string_view text) {
    trace.insert(trace.end(), text.begin(), text.end()), trace.push_back(0);
  }

  void Apply(const PlacementEffects& effects) {
    Trace(effects.placementText ? *effects.placementText : std::string_view("(unchanged)"));
    if (effects.partButtons)
      trace.insert(trace.end(), effects.partButtons->begin(), effects.partButtons->end());
    if (effects.message) Trace(effects.message->text), Trace(static_cast<int>(effects.message->icon));
    Trace(effects.propertyDialog.value_or(-1));
    for (const ClientRect& r : effects.invalidate)
      Trace(r.left), Trace(r.top), Trace(r.right), Trace(r.bottom);
    Trace(state.currentKind), Trace(state.movingFlag);
    Trace(state.preview.x), Trace(state.preview.y), Trace(state.lastPreview.x), Trace(state.lastPreview.y);
    for (const PartRecord& part : layout.parts) Trace(part.x), Trace(part.y);
    if (effects.partButtons) buttons = *effects.partButtons;
    if (effects.propertyDialog) {
      ASSERT_TRUE(IsPartKind(*effects.propertyDialog));
      ASSERT_TRUE(layout.placed(*effects.propertyDialog));
      layout.part(*effects.propertyDialog).colors = {static_cast<PickerIndex>(Pick(-1, 15)), 0, -1};
    }
  }
  void Record() {
    if (state.movingFlag != 0 || !history.Record(layout)) return;
    hashes.resize(++position);
    hashes.push_back(HashOf(layout));
  }
  void LetGo() {
    if (!IsPartKind(state.currentKind)) return;
    Apply(editor.RightButtonDown({}));
    Record();
  }
  void UndoOrRedo(bool undo) {
    LetGo();
    const auto applied = undo ? history.Undo(layout) : history.Redo(layout);
    if (!applied) return;
    position += undo ? -1 : 1;
    Apply(editor.BackgroundReplaced());
    ASSERT_EQ(HashOf(layout), hashes[position]) << (undo ? "undo" : "redo") << " to " << position;
  }

  void RandomEvent() {
    const ClientPoint point{Pick(0, 360), Pick(0, 360)};
    // Clicks and moves most often, then part buttons, then the rest.
    const int kind = Pick(0, 13);
    if (kind < 2) {
      Apply(editor.PressPartButton(Pick(0, 31)));
    } else if (kind < 5) {
      Apply(editor.LeftButtonDown(point));
    } else if (kind == 5) {
      Apply(editor.RightButtonDown(point));
    } else if (kind < 9) {
      Apply(editor.MouseMove(point));
    } else if (kind == 9 && Pick(0, 2) == 0) {
      UndoOrRedo(Pick(0, 2) != 0);
    } else if (kind == 10 && Pick(0, 5) == 0) {
      if (state.movingFlag != 0) LetGo();
      ApplyImportedBackground(layout, testing::ShiftedBackground(Pick(1, 213)));
      Apply(editor.BackgroundReplaced());
    } else if (kind == 11 && state.movingFlag == 0) {
      history.MarkSaved();
      saved = LayoutBytes(layout);
    } else if (kind > 11 && Pick(0, 3) == 0) {
      layout.databaseName[0] = static_cast<char>('A' + Pick(0, 3));
    }
    Record();
  }

  // What must hold after every event.
  void CheckSound(int event) {
    ASSERT_EQ(layout.placedCount, static_cast<std::uint32_t>(CountPlacedRows(layout))) << "event " << event;
    ASSERT_EQ(buttons, EnabledPartButtons(layout, state)) << "event " << event;
    ASSERT_FALSE(layout.placed(0));
    for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
      const PartRecord& part = layout.part(k);
      ASSERT_EQ(part.x < 0, part.y < 0) << "kind " << k;
      if (!part.placed()) continue;
      ASSERT_TRUE(LiesOnCanvas(k, {part.x, part.y})) << "kind " << k;
      ASSERT_FALSE(FirstTouchedPart(layout, k, {part.x, part.y})) << "kind " << k << " event " << event;
      ASSERT_EQ(PlacedKindOfGroup(layout, k), k) << "two kinds of one group, event " << event;
    }
    if (state.movingFlag != 0) {
      ASSERT_TRUE(IsPartKind(state.currentKind));
      ASSERT_FALSE(layout.placed(state.currentKind));
      return;
    }
    // The recorded layout is the live one; nothing unsaved means the saved bytes.
    const std::vector<std::uint8_t> live = LayoutBytes(layout);
    ASSERT_EQ(LayoutBytes(history.Recorded()), live) << "event " << event;
    if (!history.Modified()) {
      ASSERT_EQ(live, saved) << "event " << event;
    }
  }
};

TEST(EditingWalk, RandomEventsKeepTheLayoutSoundAndTheHistoryFaithful) {
  WindowStandIn window;
  const std::vector<std::uint8_t> initial = LayoutBytes(window.layout);
  int mostPlaced = 0;
  std::size_t deepest = 0;
  for (int event = 0; event < 20000; ++event) {
    window.RandomEvent();
    if (!::testing::Test::HasFatalFailure()) window.CheckSound(event);
    if (::testing::Test::HasFatalFailure()) return;
    mostPlaced = std::max(mostPlaced, CountPlacedRows(window.layout));
    deepest = std::max(deepest, window.position);
  }
  EXPECT_GE(mostPlaced, 4);  // the walk did reach crowded layouts
  EXPECT_GE(deepest, 20u);
  EXPECT_GOLDEN("random walk", window.trace);
  while (window.history.UndoAction()) window.UndoOrRedo(true);
  EXPECT_EQ(LayoutBytes(window.layout), initial);
}

TEST(LayoutHistory, OldStepsGoWhenTheMemoryIsFullAndTheSavedStateWithThem) {
  SkinLayout layout = testing::SyntheticLayout();
  LayoutHistory history(layout, 400 * 1024);  // room for three pictures
  for (int i = 1; i <= 8; ++i) {
    ApplyImportedBackground(layout, testing::ShiftedBackground(i));
    ASSERT_TRUE(history.Record(layout));
    EXPECT_EQ(history.UndoAction(), LayoutAction::ImportBackground);
    EXPECT_LE(history.MemoryUse(), 400u * 1024);
  }
  EXPECT_EQ(history.StepCount(), 3u);
  while (history.Undo(layout)) {
  }
  SkinLayout expected = testing::SyntheticLayout();
  ApplyImportedBackground(expected, testing::ShiftedBackground(5));
  EXPECT_EQ(LayoutBytes(layout), LayoutBytes(expected));
  EXPECT_TRUE(history.Modified());  // the state of the last load cannot come back
  EXPECT_FALSE(history.Record(layout));
}

}  // namespace
}  // namespace vorlune
