#include "layout/placement_rules.h"

namespace vorlune {

std::optional<CanvasPoint> PreviewPosition(PartKind k, ClientPoint point) {
  const auto& info = KindInfo(k);
  const int hw = info.width / 2;
  const int hh = info.height / 2;
  const int end = kCanvasOrigin + kCanvasSize;
  if (point.x < kCanvasOrigin + hw || point.x >= end - hw) return std::nullopt;
  if (point.y < kCanvasOrigin + hh || point.y >= end - hh) return std::nullopt;
  // Client points inside the area are positive, so halving truncates as floor.
  const CanvasPoint at{2 * (point.x / 2) - kCanvasOrigin - hw, 2 * (point.y / 2) - kCanvasOrigin - hh};
  if (at.x < 0 || at.y < 0) return std::nullopt;
  return at;
}

bool LiesOnCanvas(PartKind k, CanvasPoint at) {
  const auto& info = KindInfo(k);
  return at.x >= 0 && at.y >= 0 && at.x + info.width <= kCanvasSize && at.y + info.height <= kCanvasSize;
}

bool Touches(const SkinLayout& layout, PartKind k, CanvasPoint at, PartKind j) {
  const auto& other = layout.part(j);
  const auto& info = KindInfo(k);
  return at.x <= other.x + other.width && other.x <= at.x + info.width && at.y <= other.y + other.height &&
         other.y <= at.y + info.height;
}

std::optional<PartKind> FirstTouchedPart(const SkinLayout& layout, PartKind k, CanvasPoint at) {
  for (PartKind j = kFirstKind; j <= kLastKind; ++j) {
    if (j != k && layout.placed(j) && Touches(layout, k, at, j)) return j;
  }
  return std::nullopt;
}

std::optional<PartKind> HitTest(const SkinLayout& layout, ClientPoint point) {
  for (PartKind j = kFirstKind; j <= kLastKind; ++j) {
    if (!layout.placed(j)) continue;
    const auto& part = layout.part(j);
    const int left = part.x + kCanvasOrigin;
    const int top = part.y + kCanvasOrigin;
    if (left <= point.x && point.x < left + part.width && top <= point.y && point.y < top + part.height)
      return j;
  }
  return std::nullopt;
}

std::optional<PartKind> PlacedKindOfGroup(const SkinLayout& layout, PartKind k) {
  const KindRange group = GroupKinds(k);
  for (PartKind j = group.first; j <= group.last; ++j) {
    if (layout.placed(j)) return j;
  }
  return std::nullopt;
}

PartButtonStates EnabledPartButtons(const SkinLayout& layout, const PlacementState& state) {
  PartButtonStates enabled{};
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) enabled[static_cast<std::size_t>(k)] = true;
  const auto disableGroup = [&](PartKind k) {
    const KindRange group = GroupKinds(k);
    for (PartKind j = group.first; j <= group.last; ++j) enabled[static_cast<std::size_t>(j)] = false;
  };
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (layout.placed(k)) disableGroup(k);
  }
  if (state.movingFlag != 0 && IsPartKind(state.currentKind)) disableGroup(state.currentKind);
  return enabled;
}

}  // namespace vorlune
