#pragma once

#include "layout/placement_effects.h"
#include "layout/placement_rules.h"
#include "layout/placement_state.h"
#include "layout/skin_layout.h"

namespace vorlune {

// Placing, moving, re-colouring and removing parts with the mouse. The editor
// window forwards its events here and applies the effects that come back; the
// layout and the placement state are the window's and are changed in place.
//
// States (current kind, moving flag): idle (0, 0); placing a new part (k, 0);
// moving a lifted part (j, 1). A lifted part is out of the layout until it is
// put down; its group's buttons stay disabled meanwhile.
class PlacementEditor {
 public:
  PlacementEditor(SkinLayout& layout, PlacementState& state) : layout_(layout), state_(state) {}

  // Part button of kind k clicked. Presses of a disabled button are ignored.
  PlacementEffects PressPartButton(PartKind k);
  PlacementEffects LeftButtonDown(ClientPoint point);
  PlacementEffects MouseMove(ClientPoint point);
  PlacementEffects RightButtonDown(ClientPoint point);
  // A picture was imported or a project loaded (the layout already holds it).
  PlacementEffects BackgroundReplaced();

 private:
  PlacementEffects PutDown(ClientPoint point);
  PlacementEffects PickUp(ClientPoint point);
  void BecomeIdle();

  SkinLayout& layout_;
  PlacementState& state_;
};

}  // namespace vorlune
