#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "layout/placement_rules.h"
#include "layout/placement_state.h"
#include "layout/skin_layout.h"

namespace vorlune {

// What the canvas shows while a part follows the mouse: where it would land,
// snapped to the skin and to the other parts, and whether a click there would
// be refused and why. It only foretells: the click itself still goes to the
// PlacementEditor, at PlacementHelp::click, and is accepted exactly when the
// help finds no refusal. Keyboard moves go to their own step and never snap.

// The snapping distance in screen (logical) pixels; the view turns it into
// skin pixels for its zoom (LogicalToSkinLength in canvas_zoom.h).
inline constexpr double kSnapScreenPixels = 6;

inline constexpr std::string_view kOutsideSkinText = "画面からはみ出します";
inline constexpr std::string_view kNoBackgroundText = "背景画像を読み込んでから配置して下さい";

enum class RefusalReason {
  None,
  NoBackground,  // nothing is placed before a picture is imported
  GroupPlaced,   // a kind of the same group is on the skin (other)
  Outside,       // the part would leave the skin; it is shown clamped
  Touches,       // the part would touch or overlap another (other: the first in kind order)
};

struct Refusal {
  RefusalReason reason = RefusalReason::None;
  PartKind other = kNoKind;
  friend bool operator==(const Refusal&, const Refusal&) = default;
};

// A guide line at skin coordinate `at`: Vertical lines run down the boundary
// left of skin column `at`, Horizontal ones along the boundary above row `at`.
// They span skin pixels [from, to) along their length. The skin's far edges
// are at 320, though a part stops a pixel or two before them (the last place a
// click gives it).
enum class GuideOrientation { Vertical, Horizontal };
struct GuideLine {
  GuideOrientation orientation = GuideOrientation::Vertical;
  int at = 0;
  int from = 0;
  int to = 0;
  friend bool operator==(const GuideLine&, const GuideLine&) = default;
};

struct PlacementHelpOptions {
  bool snap = true;         // off while Alt is held
  double snapDistance = 0;  // in skin pixels; a target this near or nearer is taken
};

struct PlacementHelp {
  // The part's top-left, on the 2-pixel steps of a click and always wholly on
  // the skin (clamped at its edges when the mouse leaves it).
  CanvasPoint position;
  Refusal refusal;
  // The point to give the PlacementEditor for this mouse position (mouse
  // move and left button): it lands on `position` unless refused as Outside.
  ClientPoint click;
  // What the part is snapped to, to be drawn while it is; empty when unsnapped.
  std::vector<GuideLine> guides;
};

// The help for a part of kind k with the mouse over skin pixel `mouse` (which
// may lie off the skin). A lifted part must already be out of the layout, as
// the PlacementEditor keeps it. Snapping, each axis on its own: the nearest of
// the skin's edges and centre line, the nearest positions beside a part that
// it would otherwise run into (the one free pixel the touch rule asks for, two
// when the steps need it), and edges or centres lined up with other parts'.
// Of equally near targets the skin's come first, then the parts' in kind order.
PlacementHelp ComputePlacementHelp(const SkinLayout& layout, PartKind k, CanvasPoint mouse,
                                   const PlacementHelpOptions& options);

// The help for a part of kind k that the keys moved to `position`, one a click
// can give as well: where it stands and why it would be refused there. Keys
// never snap.
PlacementHelp KeyPlacementHelp(const SkinLayout& layout, PartKind k, CanvasPoint position);

// Kind k's name as its placement text has it: "停止ボタン".
std::string_view PartNameText(PartKind k);

// The indicator's line for a refusal: "停止ボタンと接しています",
// "画面からはみ出します"; empty for none.
std::string RefusalText(const Refusal& refusal);

}  // namespace vorlune
