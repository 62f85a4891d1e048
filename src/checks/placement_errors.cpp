#include <algorithm>

#include "checks/background_under_part.h"
#include "checks/skin_check_steps.h"
#include "layout/placement_rules.h"
#include "project/placed_parts_check.h"
#include "skin/create_checks.h"

namespace vorlune {

namespace {

namespace code = finding_code;

// Clips [x, x + w) x [y, y + h) to the skin; wide numbers, as a damaged file
// may hold any position.
SkinArea Clipped(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  const std::int64_t left = std::clamp<std::int64_t>(x, 0, kCanvasSize);
  const std::int64_t top = std::clamp<std::int64_t>(y, 0, kCanvasSize);
  const std::int64_t right = std::clamp<std::int64_t>(x + w, 0, kCanvasSize);
  const std::int64_t bottom = std::clamp<std::int64_t>(y + h, 0, kCanvasSize);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

SkinArea Bounding(const SkinArea& p, const SkinArea& q) {
  if (p.empty()) return q;
  if (q.empty()) return p;
  const int left = std::min(p.x, q.x), top = std::min(p.y, q.y);
  return {left, top, std::max(p.x + p.width, q.x + q.width) - left,
          std::max(p.y + p.height, q.y + q.height) - top};
}

bool OnSkin(const SkinLayout& layout, PartKind k) {
  return layout.placed(k) && PlacedWhollyOnCanvas(k, layout.part(k));
}

void AddMissingButtons(const SkinLayout& layout, std::vector<Finding>& findings) {
  if (!CheckPlayAndStopPlaced(layout)) return;
  for (const PartKind k : {1, 2}) {
    if (!layout.placed(k)) findings.push_back(ErrorFinding(code::kPartMissing, {k}));
  }
}

void AddPartsOffSkin(const SkinLayout& layout, std::vector<Finding>& findings) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (layout.placed(k) && !OnSkin(layout, k))
      findings.push_back(ErrorFinding(code::kOffSkin, {k}, PartArea(layout, k)));
  }
}

void AddGroupsPlacedTwice(const SkinLayout& layout, std::vector<Finding>& findings) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const KindRange group = GroupKinds(k);
    if (group.first != k || group.last == k) continue;  // each group once; a button is alone
    Finding finding = ErrorFinding(code::kGroupTwice);
    for (PartKind j = group.first; j <= group.last; ++j) {
      if (!layout.placed(j)) continue;
      finding.kinds.push_back(j);
      finding.area = Bounding(finding.area, PartArea(layout, j));
    }
    if (finding.kinds.size() > 1) findings.push_back(std::move(finding));
  }
}

// Parts may not touch: a free pixel must stay between them. The area is where
// the two come together, one pixel around each.
void AddTouchingParts(const SkinLayout& layout, std::vector<Finding>& findings) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (!OnSkin(layout, k)) continue;
    const PartRecord& p = layout.part(k);
    for (PartKind j = k + 1; j <= kLastKind; ++j) {
      if (!OnSkin(layout, j) || !Touches(layout, k, {p.x, p.y}, j)) continue;
      const PartRecord& q = layout.part(j);
      const int left = std::max(p.x, q.x) - 1, top = std::max(p.y, q.y) - 1;
      const int right = std::min(p.x + p.width, q.x + q.width) + 1;
      const int bottom = std::min(p.y + p.height, q.y + q.height) + 1;
      const bool overlap = right - left > 2 && bottom - top > 2;
      findings.push_back(ErrorFinding(overlap ? code::kPartsOverlap : code::kPartsTouch, {k, j},
                                      Clipped(left, top, right - left, bottom - top)));
    }
  }
}

// The skin writer refuses a layout whose stored count is not its placed count.
void AddPlacedCount(const SkinLayout& layout, std::vector<Finding>& findings) {
  const int placed = CountPlacedRows(layout);
  if (layout.placedCount == static_cast<std::uint32_t>(placed)) return;
  Finding finding = ErrorFinding(code::kPlacedCount);
  finding.parameters.storedCount = layout.placedCount;
  finding.parameters.placedCount = placed;
  findings.push_back(std::move(finding));
}

}  // namespace

SkinArea PartArea(const SkinLayout& layout, PartKind k) {
  const PartRecord& p = layout.part(k);
  return Clipped(p.x, p.y, KindInfo(k).width, KindInfo(k).height);
}

void AddPlacementErrors(const SkinLayout& layout, std::vector<Finding>& findings) {
  if (!HasBackground(layout)) findings.push_back(ErrorFinding(code::kNoBackground));
  AddMissingButtons(layout, findings);
  AddPartsOffSkin(layout, findings);
  AddGroupsPlacedTwice(layout, findings);
  AddTouchingParts(layout, findings);
  AddPlacedCount(layout, findings);
}

}  // namespace vorlune
