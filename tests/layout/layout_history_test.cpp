#include "layout/layout_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string_view>

#include "image/background_import.h"
#include "layout/placement_editor.h"
#include "project/project_file.h"
#include "support/bmp_builder.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

std::vector<std::uint8_t> Bytes(const SkinLayout& layout) {
  return WriteProjectFile(layout);
}

std::size_t HashOf(const SkinLayout& layout) {
  const std::vector<std::uint8_t> bytes = Bytes(layout);
  return std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// Another picture for each shift.
ImportedBackground ShiftedBackground(int shift) {
  return *ImportBackground(testing::Indexed(8, testing::DistinctColours(214), 214, [=](int x, int row) {
                             return static_cast<std::uint8_t>((x + row * shift) % 214);
                           }).Bytes());
}

// The editor window's part in the history, as the real window does it: a
// step after every settled event, a lifted part let go before undo or import.
struct EditorStandIn {
  SkinLayout layout = testing::SyntheticLayout();
  PlacementState state;
  PlacementEditor editor{layout, state};
  LayoutHistory history{layout};
  std::mt19937 random{20261207};
  std::vector<std::size_t> hashes{HashOf(layout)};  // of each position
  std::size_t position = 0;
  std::vector<std::uint8_t> saved = Bytes(layout);

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

  void Apply(const PlacementEffects& effects) {
    if (effects.propertyDialog && Pick(0, 1) == 0)
      layout.part(*effects.propertyDialog).colors = {static_cast<PickerIndex>(Pick(-1, 15)), 3, -1};
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
    editor.BackgroundReplaced();
    ASSERT_EQ(HashOf(layout), hashes[position]) << (undo ? "undo" : "redo") << " to " << position;
  }

  void RandomEvent() {
    const ClientPoint point{Pick(0, 360), Pick(0, 360)};
    switch (Pick(0, 12)) {
      case 0:
        Apply(editor.PressPartButton(Pick(1, 30)));
        break;
      case 1:
      case 2:
      case 3:
        Apply(editor.LeftButtonDown(point));
        break;
      case 4:
        Apply(editor.RightButtonDown(point));
        break;
      case 5:
      case 6:
        Apply(editor.MouseMove(point));
        break;
      case 7:
      case 8:
        if (Pick(0, 2) == 0) UndoOrRedo(true);
        break;
      case 9:
        if (Pick(0, 2) == 0) UndoOrRedo(false);
        break;
      case 10:
        if (Pick(0, 9) == 0) {
          if (state.movingFlag != 0) LetGo();
          ApplyImportedBackground(layout, ShiftedBackground(Pick(1, 213)));
          editor.BackgroundReplaced();
        }
        break;
      case 11:
        if (state.movingFlag == 0) {
          history.MarkSaved();
          saved = Bytes(layout);
        }
        break;
      default:
        if (Pick(0, 3) == 0) layout.databaseName[0] = static_cast<char>('A' + Pick(0, 3));
    }
    Record();
  }
};

TEST(LayoutHistory, RandomEditingUndoesRedoesAndMarksUnsavedWorkFaithfully) {
  EditorStandIn editor;
  const std::vector<std::uint8_t> initial = Bytes(editor.layout);
  std::size_t deepest = 0;
  for (int event = 0; event < 20000; ++event) {
    editor.RandomEvent();
    if (::testing::Test::HasFatalFailure()) return;
    deepest = std::max(deepest, editor.position);
    if (editor.state.movingFlag != 0) continue;
    // The recorded layout is the live one; nothing unsaved means the saved bytes.
    ASSERT_EQ(Bytes(editor.history.Recorded()), Bytes(editor.layout)) << "event " << event;
    if (!editor.history.Modified()) {
      ASSERT_EQ(Bytes(editor.layout), editor.saved) << "event " << event;
    }
  }
  EXPECT_GE(deepest, 20u);
  while (editor.history.UndoAction()) editor.UndoOrRedo(true);
  EXPECT_EQ(Bytes(editor.layout), initial);
  EXPECT_EQ(editor.layout.picture, testing::SyntheticLayout().picture);
}

TEST(LayoutHistory, OldStepsGoWhenTheMemoryIsFullAndTheSavedStateWithThem) {
  SkinLayout layout = testing::SyntheticLayout();
  LayoutHistory history(layout, 400 * 1024);  // room for three pictures
  for (int i = 1; i <= 8; ++i) {
    ApplyImportedBackground(layout, ShiftedBackground(i));
    ASSERT_TRUE(history.Record(layout));
    EXPECT_EQ(history.UndoAction(), LayoutAction::ImportBackground);
    EXPECT_LE(history.MemoryUse(), 400u * 1024);
  }
  EXPECT_EQ(history.StepCount(), 3u);
  while (history.Undo(layout)) {
  }
  EXPECT_EQ(Bytes(layout), Bytes([&] {
              SkinLayout expected = testing::SyntheticLayout();
              ApplyImportedBackground(expected, ShiftedBackground(5));
              return expected;
            }()));
  EXPECT_TRUE(history.Modified());  // the state of the last load cannot come back
  EXPECT_FALSE(history.Record(layout));
}

}  // namespace
}  // namespace vorlune
