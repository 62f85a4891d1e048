#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/user_message.h"

namespace vorlune {

// A kind of player part, 1..30; 0 means none. Each kind is placed at most once,
// so a part is known by its kind alone.
using PartKind = int;
inline constexpr PartKind kNoKind = 0;
inline constexpr PartKind kFirstKind = 1;
inline constexpr PartKind kLastKind = 30;
inline constexpr int kLayoutRows = 31;  // rows 0..30; row 0 belongs to no kind

// Alternatives of which at most one kind is placed at a time. Every button is
// a group of its own.
enum class PartGroup { Alone, Volume, Equalizer, Level, Time, Track, Title };

// Which property dialog edits a kind's colours.
enum class DialogFamily { Button, TwoColor, ThreeColor, TextColor };

struct PartKindInfo {
  PartKind kind;
  std::string_view name;           // e.g. "Play", "LevelBarH"
  std::string_view placementText;  // shown in the indicator line, UTF-8
  PartGroup group;
  int width;
  int height;
  int canvasBitmap;  // resource number 135..164
  DialogFamily family;
};

// The 30 rows of the kind table, in kind order.
const std::array<PartKindInfo, 30>& PartKindTable();

// The row of kind k (1..30).
const PartKindInfo& KindInfo(PartKind k);

bool IsPartKind(int k);
PartGroup GroupOf(PartKind k);
DialogFamily DialogFamilyOf(PartKind k);

// The kinds of k's exclusive group, in kind order (k alone for a button).
struct KindRange {
  PartKind first;
  PartKind last;  // inclusive
};
KindRange GroupKinds(PartKind k);

// The placement text of kind k as a message: code PlacePart, the kind's number.
UserMessage PlacementMessage(PartKind k);

// Finds a kind by its name ("Play") or its number ("1").
std::optional<PartKind> KindFromText(std::string_view text);

}  // namespace vorlune
