#include "project/placed_parts_check.h"

#include "layout/placement_rules.h"

namespace vorlune {

bool PlacedWhollyOnCanvas(PartKind k, const PartRecord& row) {
  // Far-off coordinates are settled here, before any sum could overflow.
  if (row.x > kCanvasSize || row.y > kCanvasSize) return false;
  return LiesOnCanvas(k, {row.x, row.y});
}

std::optional<ProjectDamage> CheckPlacedParts(const SkinLayout& layout) {
  if (layout.placed(kNoKind)) return ProjectDamage::HalfPlaced;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (layout.placed(k) && !PlacedWhollyOnCanvas(k, layout.part(k))) return ProjectDamage::OffCanvas;
  }
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (!layout.placed(k)) continue;
    const KindRange group = GroupKinds(k);
    for (PartKind j = group.first; j <= group.last; ++j) {
      if (j != k && layout.placed(j)) return ProjectDamage::GroupPlacedTwice;
    }
  }
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (!layout.placed(k)) continue;
    const PartRecord& row = layout.part(k);
    for (PartKind j = k + 1; j <= kLastKind; ++j) {
      if (layout.placed(j) && Touches(layout, k, {row.x, row.y}, j)) return ProjectDamage::PartsTouch;
    }
  }
  return std::nullopt;
}

}  // namespace vorlune
