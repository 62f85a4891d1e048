#pragma once

#include <optional>

#include "layout/placement_effects.h"
#include "layout/placement_state.h"
#include "layout/skin_layout.h"

namespace vorlune {

// A point in the editor window's client area; the canvas starts at (20, 20).
struct ClientPoint {
  int x = 0;
  int y = 0;
};
inline constexpr int kCanvasOrigin = 20;

// Where a part of kind k would land under the mouse: the point moved down to
// even client pixels, the part centred on it. None when any of it would leave
// the canvas.
std::optional<CanvasPoint> PreviewPosition(PartKind k, ClientPoint point);

// True when a part of kind k at `at` touches or overlaps placed part j. Edges
// that meet count as touching, so parts keep a free pixel between them.
bool Touches(const SkinLayout& layout, PartKind k, CanvasPoint at, PartKind j);

// The first placed kind, other than k, that a part of kind k at `at` would touch.
std::optional<PartKind> FirstTouchedPart(const SkinLayout& layout, PartKind k, CanvasPoint at);

// The first placed kind (in kind order) whose rectangle holds the client point.
std::optional<PartKind> HitTest(const SkinLayout& layout, ClientPoint point);

// True when the part of kind k at `at` lies wholly on the 320 x 320 canvas.
bool LiesOnCanvas(PartKind k, CanvasPoint at);

// A placed kind of k's exclusive group (k itself included), if any.
std::optional<PartKind> PlacedKindOfGroup(const SkinLayout& layout, PartKind k);

// The part buttons as they mirror the layout: a group's buttons are disabled
// while one of its kinds is placed or lifted to be moved.
PartButtonStates EnabledPartButtons(const SkinLayout& layout, const PlacementState& state);

}  // namespace vorlune
