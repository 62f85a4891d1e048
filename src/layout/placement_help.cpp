#include "layout/placement_help.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace vorlune {
namespace {

constexpr std::string_view kPlacementSuffix = "を配置します";

int FloorDiv2(int a) {
  return a >= 0 ? a / 2 : -((1 - a) / 2);
}

// A stretch of one axis, as the touch rule compares them: closed at both ends.
struct Span {
  int start = 0;
  int size = 0;
  int end() const { return start + size; }
};

bool Meet(Span a, Span b) {
  return a.start <= b.end() && b.start <= a.end();
}

// Axis 0 is x, axis 1 is y.
Span SpanOf(const PartRecord& part, int axis) {
  return axis == 0 ? Span{part.x, part.width} : Span{part.y, part.height};
}

// One axis of the part being placed. A click centres the part on an even
// client pixel and must fall before client pixel 340 - half, so positions
// keep the parity of the half size and the part ends before the last pixel.
struct Axis {
  int size = 0;
  int half = 0;
  int first = 0;
  int last = 0;

  explicit Axis(int partSize) : size(partSize), half(partSize / 2), first(half & 1) {
    last = kCanvasSize - 1 - size;
    if (!OnSteps(last)) --last;
  }
  bool OnSteps(int p) const { return ((p - half) & 1) == 0; }
  bool Allowed(int p) const { return first <= p && p <= last && OnSteps(p); }
  // The position a click on skin pixel `mouse` gives, as PreviewPosition does.
  int Raw(int mouse) const { return 2 * FloorDiv2(mouse + kCanvasOrigin) - kCanvasOrigin - half; }
};

struct Candidate {
  int position = 0;          // of the part on this axis
  int line = 0;              // where the guide runs
  PartKind other = kNoKind;  // the part it lines up with; none for the skin
};

// Calls visit with every snapping target of one axis that a click can reach,
// in order of preference between equally near ones. `across` is the part's
// span on the other axis, which tells the parts it could run into.
template <typename Visit>
void ForEachCandidate(const SkinLayout& layout, PartKind k, const Axis& axis, int index, Span across,
                      Visit&& visit) {
  const auto offer = [&](const Candidate& c) {
    if (axis.Allowed(c.position)) visit(c);
  };
  offer({axis.first, 0});
  offer({axis.last, kCanvasSize});
  offer({kCanvasSize / 2 - axis.half, kCanvasSize / 2});
  for (PartKind j = kFirstKind; j <= kLastKind; ++j) {
    if (j == k || !layout.placed(j)) continue;
    const Span along = SpanOf(layout.part(j), index);
    if (Meet(across, SpanOf(layout.part(j), 1 - index))) {
      // Meeting edges touch: one free pixel, and one more when off the steps.
      const int after = along.end() + 1;
      const int before = along.start - 1 - axis.size;
      offer({axis.OnSteps(after) ? after : after + 1, along.end(), j});
      offer({axis.OnSteps(before) ? before : before - 1, along.start, j});
    }
    const int centre = along.start + along.size / 2;
    offer({along.start, along.start, j});
    offer({along.end() - axis.size, along.end(), j});
    offer({centre - axis.half, centre, j});
  }
}

struct AxisResult {
  int position = 0;
  bool snapped = false;
};

AxisResult ChooseOnAxis(const SkinLayout& layout, PartKind k, const Axis& axis, int index, Span across,
                        int raw, const PlacementHelpOptions& options) {
  AxisResult result{std::clamp(raw, axis.first, axis.last), false};
  if (!options.snap) return result;
  int bestDistance = std::numeric_limits<int>::max();
  ForEachCandidate(layout, k, axis, index, across, [&](const Candidate& c) {
    const int distance = std::abs(c.position - raw);
    if (distance <= options.snapDistance && distance < bestDistance) {
      result = {c.position, true};
      bestDistance = distance;
    }
  });
  return result;
}

// The guides of every target the part is snapped to on one axis, spanning the
// part where it lands (`landed`, on the other axis) and what it lines up
// with; two targets on one line give one guide over both.
void AddGuides(const SkinLayout& layout, PartKind k, const Axis& axis, int index, Span across, int position,
               Span landed, std::vector<GuideLine>& guides) {
  const auto orientation = index == 0 ? GuideOrientation::Vertical : GuideOrientation::Horizontal;
  ForEachCandidate(layout, k, axis, index, across, [&](const Candidate& c) {
    if (c.position != position) return;
    GuideLine line{orientation, c.line, 0, kCanvasSize};
    if (c.other != kNoKind) {
      const Span other = SpanOf(layout.part(c.other), 1 - index);
      line.from = std::min(other.start, landed.start);
      line.to = std::max(other.end(), landed.end());
    }
    const auto same = std::find_if(guides.begin(), guides.end(), [&](const GuideLine& g) {
      return g.orientation == line.orientation && g.at == line.at;
    });
    if (same == guides.end()) {
      guides.push_back(line);
    } else {
      same->from = std::min(same->from, line.from);
      same->to = std::max(same->to, line.to);
    }
  });
}

}  // namespace

PlacementHelp ComputePlacementHelp(const SkinLayout& layout, PartKind k, CanvasPoint mouse,
                                   const PlacementHelpOptions& options) {
  const auto& info = KindInfo(k);
  const Axis ax(info.width);
  const Axis ay(info.height);
  const int rawX = ax.Raw(mouse.x);
  const int rawY = ay.Raw(mouse.y);
  // Which parts the part could run into is judged where it stands unsnapped.
  const Span acrossX{std::clamp(rawY, ay.first, ay.last), ay.size};
  const Span acrossY{std::clamp(rawX, ax.first, ax.last), ax.size};
  const AxisResult x = ChooseOnAxis(layout, k, ax, 0, acrossX, rawX, options);
  const AxisResult y = ChooseOnAxis(layout, k, ay, 1, acrossY, rawY, options);

  PlacementHelp help;
  help.position = {x.position, y.position};
  const bool outside = (!x.snapped && !ax.Allowed(rawX)) || (!y.snapped && !ay.Allowed(rawY));
  // A point off the placement area, which the editor ignores like the mouse's own.
  help.click = outside
                   ? ClientPoint{mouse.x + kCanvasOrigin, mouse.y + kCanvasOrigin}
                   : ClientPoint{x.position + kCanvasOrigin + ax.half, y.position + kCanvasOrigin + ay.half};
  if (x.snapped) AddGuides(layout, k, ax, 0, acrossX, x.position, {y.position, ay.size}, help.guides);
  if (y.snapped) AddGuides(layout, k, ay, 1, acrossY, y.position, {x.position, ax.size}, help.guides);

  if (!layout.backgroundLoaded) {
    help.refusal = {RefusalReason::NoBackground};
  } else if (const auto placed = PlacedKindOfGroup(layout, k)) {
    help.refusal = {RefusalReason::GroupPlaced, *placed};
  } else if (outside) {
    help.refusal = {RefusalReason::Outside};
  } else if (const auto touched = FirstTouchedPart(layout, k, help.position)) {
    help.refusal = {RefusalReason::Touches, *touched};
  }
  return help;
}

PlacementHelp KeyPlacementHelp(const SkinLayout& layout, PartKind k, CanvasPoint position) {
  // The mouse over the part's centre, as the keys move it, gives that position back.
  const auto& info = KindInfo(k);
  return ComputePlacementHelp(layout, k, {position.x + info.width / 2, position.y + info.height / 2},
                              {false, 0});
}

std::string_view PartNameText(PartKind k) {
  std::string_view text = KindInfo(k).placementText;
  if (text.ends_with(kPlacementSuffix)) text.remove_suffix(kPlacementSuffix.size());
  return text;
}

std::string RefusalText(const Refusal& refusal) {
  switch (refusal.reason) {
    case RefusalReason::None:
      break;
    case RefusalReason::NoBackground:
      return std::string(kNoBackgroundText);
    case RefusalReason::GroupPlaced:
      return std::string(PartNameText(refusal.other)) + "が配置済みです";
    case RefusalReason::Outside:
      return std::string(kOutsideSkinText);
    case RefusalReason::Touches:
      return std::string(PartNameText(refusal.other)) + "と接しています";
  }
  return {};
}

}  // namespace vorlune
