#include "layout/placement_editor.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

constexpr PartKind kPlay = 1;
constexpr PartKind kStop = 2;
constexpr PartKind kVolumeBarV = 10;
constexpr PartKind kLevelBarH = 17;

// The client point at which a part of kind k lands at canvas `at` (x and y
// must have the parity of the kind's half sizes).
ClientPoint ClickFor(PartKind k, CanvasPoint at) {
  return {at.x + kCanvasOrigin + KindInfo(k).width / 2, at.y + kCanvasOrigin + KindInfo(k).height / 2};
}

ClientRect RectOf(PartKind k, CanvasPoint at) {
  return {at.x + 20, at.y + 20, at.x + 20 + KindInfo(k).width, at.y + 20 + KindInfo(k).height};
}

bool Enabled(const PlacementEffects& effects, PartKind k) {
  return effects.partButtons->at(static_cast<std::size_t>(k));
}

class PlacementEditorTest : public ::testing::Test {
 protected:
  PlacementEditorTest() { layout.backgroundLoaded = true; }

  // Chooses kind k, clicks at canvas `at` and answers the dialog with OK.
  void PlaceNew(PartKind k, CanvasPoint at, ColorTriple colors = {1, 2, -1}) {
    editor.PressPartButton(k);
    const PlacementEffects put = editor.LeftButtonDown(ClickFor(k, at));
    ASSERT_EQ(put.propertyDialog, k);
    ASSERT_EQ(layout.part(k).x, at.x);
    ASSERT_EQ(layout.part(k).y, at.y);
    layout.part(k).colors = colors;
  }

  void ExpectState(PartKind kind, int moving) const {
    EXPECT_EQ(state.currentKind, kind);
    EXPECT_EQ(state.movingFlag, moving);
  }

  SkinLayout layout = NewSkinLayout();
  PlacementState state;
  PlacementEditor editor{layout, state};
};

TEST_F(PlacementEditorTest, PartButtonChoosesSwitchesAndDropsTheKind) {
  PlacementEffects chosen = editor.PressPartButton(kPlay);
  ExpectState(kPlay, 0);
  EXPECT_EQ(chosen.placementText, "再生ボタンを配置します");
  EXPECT_EQ(chosen.invalidate, std::vector<ClientRect>{kIndicatorRect});
  EXPECT_FALSE(chosen.partButtons);

  PlacementEffects switched = editor.PressPartButton(kLevelBarH);
  ExpectState(kLevelBarH, 0);
  EXPECT_EQ(switched.placementText, "レベルメータ(横バー)を配置します");

  PlacementEffects dropped = editor.PressPartButton(kLevelBarH);
  ExpectState(kNoKind, 0);
  EXPECT_EQ(dropped.placementText, "");
  EXPECT_EQ(dropped.invalidate, std::vector<ClientRect>{kIndicatorRect});
}

TEST_F(PlacementEditorTest, ChangingKindErasesTheShownPreview) {
  editor.PressPartButton(kLevelBarH);
  editor.MouseMove({200, 200});
  const PlacementEffects switched = editor.PressPartButton(kPlay);
  EXPECT_EQ(switched.invalidate, (std::vector<ClientRect>{kCanvasRect, kIndicatorRect}));
  EXPECT_EQ(state.preview, kNoPosition);
  EXPECT_EQ(state.lastPreview, kNoPosition);
}

TEST_F(PlacementEditorTest, NewPartIsPlacedDisablesItsGroupAndAsksForColours) {
  editor.PressPartButton(kPlay);
  const PlacementEffects put = editor.LeftButtonDown({38, 36});
  EXPECT_EQ(layout.part(kPlay).x, 0);
  EXPECT_EQ(layout.part(kPlay).y, 1);
  EXPECT_EQ(layout.placedCount, 1u);
  ExpectState(kNoKind, 0);
  EXPECT_EQ(state.preview, kNoPosition);
  EXPECT_EQ(state.lastPreview, kNoPosition);
  EXPECT_EQ(put.placementText, "");
  EXPECT_EQ(put.propertyDialog, kPlay);
  ASSERT_TRUE(put.partButtons);
  EXPECT_FALSE(Enabled(put, kPlay));
  EXPECT_TRUE(Enabled(put, kStop));
  EXPECT_FALSE(put.message);
  EXPECT_EQ(put.invalidate, (std::vector<ClientRect>{kIndicatorRect, kCanvasRect}));
}

TEST_F(PlacementEditorTest, ClickOutsideTheAreaOnlyRepaints) {
  editor.PressPartButton(kPlay);
  for (ClientPoint outside : {ClientPoint{38, 35}, ClientPoint{38, 34}, ClientPoint{322, 324},
                              ClientPoint{321, 325}, ClientPoint{5, 5}}) {
    const PlacementEffects refused = editor.LeftButtonDown(outside);
    EXPECT_EQ(refused.invalidate, std::vector<ClientRect>{kCanvasRect});
    EXPECT_FALSE(refused.message);
    EXPECT_FALSE(refused.propertyDialog);
  }
  ExpectState(kPlay, 0);
  EXPECT_FALSE(layout.placed(kPlay));
  EXPECT_EQ(layout.placedCount, 0u);
  editor.LeftButtonDown({321, 324});
  EXPECT_EQ(layout.part(kPlay).x, 282);
  EXPECT_EQ(layout.part(kPlay).y, 289);
}

TEST_F(PlacementEditorTest, TouchingPlacementIsRefusedWithAMessage) {
  PlaceNew(kPlay, {0, 1});
  editor.PressPartButton(kStop);
  const PlacementEffects refused = editor.LeftButtonDown(ClickFor(kStop, {36, 1}));
  ASSERT_TRUE(refused.message);
  EXPECT_EQ(refused.message->text, "他の部品と重なっているため配置できません");
  EXPECT_EQ(refused.message->icon, MessageIcon::Information);
  EXPECT_EQ(refused.invalidate, std::vector<ClientRect>{kCanvasRect});
  EXPECT_FALSE(refused.propertyDialog);
  ExpectState(kStop, 0);
  EXPECT_EQ(state.preview, (CanvasPoint{36, 1}));  // the preview stands where it was refused
  EXPECT_FALSE(layout.placed(kStop));
  EXPECT_EQ(layout.placedCount, 1u);

  const PlacementEffects put = editor.LeftButtonDown(ClickFor(kStop, {38, 1}));
  EXPECT_EQ(put.propertyDialog, kStop);
  EXPECT_EQ(layout.part(kStop).x, 38);
  EXPECT_EQ(layout.placedCount, 2u);
}

TEST_F(PlacementEditorTest, RightClickCancelsANewPart) {
  editor.PressPartButton(kVolumeBarV);
  editor.MouseMove({100, 100});
  const PlacementEffects cancelled = editor.RightButtonDown({0, 0});
  ExpectState(kNoKind, 0);
  EXPECT_EQ(state.preview, kNoPosition);
  EXPECT_EQ(state.lastPreview, kNoPosition);
  EXPECT_EQ(cancelled.placementText, "");
  ASSERT_TRUE(cancelled.partButtons);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(Enabled(cancelled, k));
  EXPECT_EQ(cancelled.invalidate, (std::vector<ClientRect>{kIndicatorRect, kCanvasRect}));
  EXPECT_EQ(layout.placedCount, 0u);
}

TEST_F(PlacementEditorTest, PickUpAndPutDownKeepsColoursWithoutADialog) {
  PlaceNew(kPlay, {0, 1}, {3, 12, -1});
  const PlacementEffects lifted = editor.LeftButtonDown({30, 30});
  ExpectState(kPlay, 1);
  EXPECT_FALSE(layout.placed(kPlay));
  EXPECT_EQ(layout.part(kPlay).x, -1);
  EXPECT_EQ(layout.placedCount, 0u);
  EXPECT_EQ(lifted.placementText, "再生ボタンを配置します");
  EXPECT_EQ(lifted.invalidate, (std::vector<ClientRect>{kCanvasRect, kIndicatorRect}));
  EXPECT_FALSE(lifted.partButtons);
  EXPECT_FALSE(lifted.propertyDialog);
  EXPECT_FALSE(EnabledPartButtons(layout, state)[kPlay]);  // still disabled while lifted

  const PlacementEffects put = editor.LeftButtonDown(ClickFor(kPlay, {100, 101}));
  ExpectState(kNoKind, 0);
  EXPECT_EQ(layout.part(kPlay).x, 100);
  EXPECT_EQ(layout.part(kPlay).y, 101);
  EXPECT_EQ(layout.placedCount, 1u);
  EXPECT_EQ(layout.part(kPlay).colors, (ColorTriple{3, 12, -1}));
  EXPECT_FALSE(put.propertyDialog);
  EXPECT_FALSE(put.partButtons);
  EXPECT_EQ(put.placementText, "");
}

TEST_F(PlacementEditorTest, RefusedPutDownKeepsTheMove) {
  PlaceNew(kPlay, {0, 1});
  PlaceNew(kStop, {100, 101});
  editor.LeftButtonDown(ClickFor(kStop, {100, 101}));
  const PlacementEffects touching = editor.LeftButtonDown(ClickFor(kStop, {36, 1}));
  EXPECT_TRUE(touching.message);
  const PlacementEffects outside = editor.LeftButtonDown({0, 0});
  EXPECT_FALSE(outside.message);
  EXPECT_EQ(outside.invalidate, std::vector<ClientRect>{kCanvasRect});
  ExpectState(kStop, 1);
  EXPECT_FALSE(layout.placed(kStop));
  EXPECT_EQ(layout.placedCount, 1u);
}

TEST_F(PlacementEditorTest, VolumeMeterGroupIsDisabledAndFreedTogether) {
  PlaceNew(kVolumeBarV, {51, 50});
  PartButtonStates enabled = EnabledPartButtons(layout, state);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_FALSE(enabled[static_cast<std::size_t>(k)]);
  EXPECT_TRUE(enabled[13]);
  EXPECT_TRUE(editor.PressPartButton(11).none());  // a disabled button does nothing
  ExpectState(kNoKind, 0);

  editor.LeftButtonDown(ClickFor(kVolumeBarV, {51, 50}));
  ExpectState(kVolumeBarV, 1);
  const PlacementEffects discarded = editor.RightButtonDown({0, 0});
  ExpectState(kNoKind, 0);
  ASSERT_TRUE(discarded.partButtons);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(Enabled(discarded, k));
  EXPECT_FALSE(layout.placed(kVolumeBarV));
  EXPECT_EQ(layout.placedCount, 0u);
  EXPECT_EQ(CountPlacedRows(layout), 0);
}

TEST_F(PlacementEditorTest, PartButtonDuringAMoveDiscardsTheLiftedPart) {
  PlaceNew(kVolumeBarV, {51, 50}, {4, 5, -1});
  editor.LeftButtonDown(ClickFor(kVolumeBarV, {51, 50}));
  EXPECT_TRUE(editor.PressPartButton(kVolumeBarV).none());  // its group is disabled while lifted

  const PlacementEffects switched = editor.PressPartButton(kPlay);
  ExpectState(kPlay, 0);
  EXPECT_EQ(switched.placementText, "再生ボタンを配置します");
  ASSERT_TRUE(switched.partButtons);
  for (PartKind k = 9; k <= 12; ++k) EXPECT_TRUE(Enabled(switched, k));
  EXPECT_EQ(switched.invalidate, (std::vector<ClientRect>{kCanvasRect, kIndicatorRect}));
  EXPECT_FALSE(layout.placed(kVolumeBarV));
  EXPECT_EQ(layout.part(kVolumeBarV).colors, (ColorTriple{4, 5, -1}));  // offered again next time
  EXPECT_EQ(layout.placedCount, 0u);

  // The newly chosen kind is a new part: it gets its dialog and disables its button.
  const PlacementEffects put = editor.LeftButtonDown(ClickFor(kPlay, {0, 1}));
  EXPECT_EQ(put.propertyDialog, kPlay);
  ASSERT_TRUE(put.partButtons);
  EXPECT_FALSE(Enabled(put, kPlay));
  EXPECT_TRUE(Enabled(put, kVolumeBarV));
}

TEST_F(PlacementEditorTest, RightClickOnAPlacedPartAsksForColours) {
  PlaceNew(kLevelBarH, {10, 10});
  const PlacementEffects recolour = editor.RightButtonDown(ClickFor(kLevelBarH, {10, 10}));
  EXPECT_EQ(recolour.propertyDialog, kLevelBarH);
  EXPECT_TRUE(recolour.invalidate.empty());
  EXPECT_FALSE(recolour.partButtons);
  ExpectState(kNoKind, 0);
  EXPECT_TRUE(layout.placed(kLevelBarH));

  EXPECT_TRUE(editor.RightButtonDown({300, 300}).none());  // empty spot
  EXPECT_TRUE(editor.LeftButtonDown({300, 300}).none());
}

TEST_F(PlacementEditorTest, NewBackgroundEndsPlacementAndMirrorsTheLayout) {
  editor.PressPartButton(kPlay);
  editor.MouseMove({100, 100});
  PlacementEffects reset = editor.BackgroundReplaced();
  ExpectState(kNoKind, 0);
  EXPECT_EQ(state.preview, kNoPosition);
  EXPECT_EQ(state.lastPreview, kNoPosition);
  EXPECT_EQ(reset.placementText, "");
  EXPECT_EQ(reset.invalidate, (std::vector<ClientRect>{kIndicatorRect, kCanvasRect}));

  // During a move the lifted part is lost and its group can be placed again.
  PlaceNew(kLevelBarH, {10, 10});
  editor.LeftButtonDown(ClickFor(kLevelBarH, {10, 10}));
  reset = editor.BackgroundReplaced();
  ExpectState(kNoKind, 0);
  ASSERT_TRUE(reset.partButtons);
  for (PartKind k = 17; k <= 20; ++k) EXPECT_TRUE(Enabled(reset, k));
  EXPECT_EQ(layout.placedCount, 0u);

  // After a load the buttons follow the loaded layout.
  layout.part(14).x = 0;
  layout.part(14).y = 0;
  layout.part(kPlay).x = 200;
  layout.part(kPlay).y = 201;
  layout.placedCount = 2;
  reset = editor.BackgroundReplaced();
  for (PartKind k = kFirstKind; k <= kLastKind; ++k)
    EXPECT_EQ(Enabled(reset, k), !(k == kPlay || (k >= 13 && k <= 16))) << "kind " << k;
}

TEST_F(PlacementEditorTest, ClicksBeforeABackgroundAreIgnored) {
  layout.backgroundLoaded = false;
  EXPECT_TRUE(editor.RightButtonDown({100, 100}).none());
  EXPECT_FALSE(editor.PressPartButton(kPlay).none());  // choosing a kind works without one
  EXPECT_TRUE(editor.LeftButtonDown({38, 36}).none());
  EXPECT_TRUE(editor.RightButtonDown({38, 36}).none());
  ExpectState(kPlay, 0);
  EXPECT_FALSE(layout.placed(kPlay));
  EXPECT_FALSE(editor.MouseMove({38, 36}).none());  // the preview follows regardless
}

TEST_F(PlacementEditorTest, MouseMoveInvalidatesOldAndNewPreview) {
  EXPECT_TRUE(editor.MouseMove({100, 100}).none());  // idle
  editor.PressPartButton(kPlay);

  PlacementEffects moved = editor.MouseMove({100, 100});
  const CanvasPoint first{62, 65};
  EXPECT_EQ(state.preview, first);
  EXPECT_EQ(moved.invalidate, std::vector<ClientRect>{RectOf(kPlay, first)});

  EXPECT_TRUE(editor.MouseMove({101, 101}).none());  // same even pixel, same preview

  moved = editor.MouseMove({120, 100});
  const CanvasPoint second{82, 65};
  EXPECT_EQ(moved.invalidate, (std::vector<ClientRect>{RectOf(kPlay, first), RectOf(kPlay, second)}));
  EXPECT_EQ(state.lastPreview, second);

  // Leaving the area invalidates a part-sized rectangle at client (19, 19).
  moved = editor.MouseMove({0, 0});
  EXPECT_EQ(state.preview, kNoPosition);
  EXPECT_EQ(moved.invalidate, (std::vector<ClientRect>{RectOf(kPlay, second), ClientRect{19, 19, 55, 49}}));
  EXPECT_TRUE(editor.MouseMove({1, 1}).none());
}

TEST_F(PlacementEditorTest, PreviewOnTheCanvasEdgeIsNotErased) {
  editor.PressPartButton(kPlay);
  editor.MouseMove({38, 100});  // x = 0: never drawn
  EXPECT_EQ(state.lastPreview, (CanvasPoint{0, 65}));
  PlacementEffects moved = editor.MouseMove({60, 100});
  EXPECT_EQ(moved.invalidate, std::vector<ClientRect>{RectOf(kPlay, {22, 65})});

  editor.MouseMove({60, 36});  // y = 1: drawn, so erased next time
  moved = editor.MouseMove({80, 36});
  EXPECT_EQ(moved.invalidate, (std::vector<ClientRect>{RectOf(kPlay, {22, 1}), RectOf(kPlay, {42, 1})}));
}

}  // namespace
}  // namespace vorlune
