#include "layout/placement_editor.h"

namespace vorlune {
namespace {

// The client rectangle a part of kind k covers at canvas position `at`.
ClientRect PreviewRect(PartKind k, CanvasPoint at) {
  const auto& info = KindInfo(k);
  const int left = at.x + kCanvasOrigin;
  const int top = at.y + kCanvasOrigin;
  return {left, top, left + info.width, top + info.height};
}

bool HasPreview(const PlacementState& state) {
  return state.preview != kNoPosition || state.lastPreview != kNoPosition;
}

}  // namespace

void PlacementEditor::BecomeIdle() {
  state_.currentKind = kNoKind;
  state_.movingFlag = 0;
  state_.preview = kNoPosition;
  state_.lastPreview = kNoPosition;
}

PlacementEffects PlacementEditor::PressPartButton(PartKind k) {
  if (!IsPartKind(k) || !EnabledPartButtons(layout_, state_)[static_cast<std::size_t>(k)]) return {};
  PlacementEffects effects;
  // A preview of the previous kind would stay on screen as a ghost part, since
  // only the indicator is repainted for a change of kind.
  if (HasPreview(state_)) effects.invalidate.push_back(kCanvasRect);
  state_.preview = kNoPosition;
  state_.lastPreview = kNoPosition;
  if (state_.movingFlag != 0) {
    // Leaving a move discards the lifted part as a right click would, so its
    // group can be placed again and the new kind is a new part with a dialog.
    state_.movingFlag = 0;
    effects.partButtons = EnabledPartButtons(layout_, state_);
    if (effects.invalidate.empty()) effects.invalidate.push_back(kCanvasRect);
  }
  if (state_.currentKind == k) {
    state_.currentKind = kNoKind;
    effects.placementText = "";
  } else {
    state_.currentKind = k;
    effects.placementText = KindInfo(k).placementText;
  }
  effects.invalidate.push_back(kIndicatorRect);
  return effects;
}

PlacementEffects PlacementEditor::LeftButtonDown(ClientPoint point) {
  if (!layout_.backgroundLoaded) return {};
  return IsPartKind(state_.currentKind) ? PutDown(point) : PickUp(point);
}

PlacementEffects PlacementEditor::PutDown(ClientPoint point) {
  const PartKind k = state_.currentKind;
  PlacementEffects effects;
  const auto at = PreviewPosition(k, point);
  if (!at) {
    effects.invalidate.push_back(kCanvasRect);
    return effects;
  }
  state_.preview = *at;
  if (FirstTouchedPart(layout_, k, *at)) {
    effects.message =
        UserMessage{std::string(kTouchingPartText), MessageIcon::Information, MessageCode::PartsTouch};
    effects.invalidate.push_back(kCanvasRect);
    return effects;
  }
  layout_.part(k).x = at->x;
  layout_.part(k).y = at->y;
  const bool newPart = state_.movingFlag == 0;
  ++layout_.placedCount;
  BecomeIdle();
  // A moved part keeps its colours and its group was disabled when it was
  // first placed; only a new part asks for colours.
  if (newPart) {
    effects.partButtons = EnabledPartButtons(layout_, state_);
    effects.propertyDialog = k;
  }
  effects.placementText = "";
  effects.invalidate = {kIndicatorRect, kCanvasRect};
  return effects;
}

PlacementEffects PlacementEditor::PickUp(ClientPoint point) {
  const auto hit = HitTest(layout_, point);
  if (!hit) return {};
  layout_.part(*hit).x = -1;
  layout_.part(*hit).y = -1;
  --layout_.placedCount;
  state_.currentKind = *hit;
  state_.movingFlag = 1;
  state_.preview = kNoPosition;
  state_.lastPreview = kNoPosition;
  PlacementEffects effects;
  effects.placementText = KindInfo(*hit).placementText;
  effects.invalidate = {kCanvasRect, kIndicatorRect};
  return effects;
}

PlacementEffects PlacementEditor::MouseMove(ClientPoint point) {
  const PartKind k = state_.currentKind;
  if (!IsPartKind(k)) return {};
  state_.preview = PreviewPosition(k, point).value_or(kNoPosition);
  if (state_.preview == state_.lastPreview) return {};
  PlacementEffects effects;
  // A preview at x or y 0 is never drawn, so there is nothing to erase.
  if (state_.lastPreview.x > 0 && state_.lastPreview.y > 0)
    effects.invalidate.push_back(PreviewRect(k, state_.lastPreview));
  effects.invalidate.push_back(PreviewRect(k, state_.preview));
  state_.lastPreview = state_.preview;
  return effects;
}

PlacementEffects PlacementEditor::RightButtonDown(ClientPoint point) {
  if (!layout_.backgroundLoaded) return {};
  PlacementEffects effects;
  if (IsPartKind(state_.currentKind)) {
    // Cancelling a move drops the lifted part: the only way to remove a part.
    BecomeIdle();
    effects.placementText = "";
    effects.partButtons = EnabledPartButtons(layout_, state_);
    effects.invalidate = {kIndicatorRect, kCanvasRect};
  } else if (const auto hit = HitTest(layout_, point)) {
    effects.propertyDialog = *hit;  // colours do not show on the canvas: no repaint
  }
  return effects;
}

PlacementEffects PlacementEditor::BackgroundReplaced() {
  BecomeIdle();
  PlacementEffects effects;
  effects.placementText = "";
  effects.partButtons = EnabledPartButtons(layout_, state_);
  effects.invalidate = {kIndicatorRect, kCanvasRect};
  return effects;
}

}  // namespace vorlune
