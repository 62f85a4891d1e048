// The direct edits of a SkinDocument: parts, colours and texts set by value.
#include <string>

#include "document/document_operation.h"
#include "layout/part_colors.h"
#include "layout/placement_rules.h"

namespace vorlune {

namespace {

std::string KindName(PartKind k) {
  return std::string(KindInfo(k).name);
}

std::string ColorText(const ColorTriple& colors) {
  return std::to_string(colors[0]) + "," + std::to_string(colors[1]) + "," + std::to_string(colors[2]);
}

ClientRect PartArea(PartKind k, int x, int y) {
  return {x + kCanvasOrigin, y + kCanvasOrigin, x + kCanvasOrigin + KindInfo(k).width,
          y + kCanvasOrigin + KindInfo(k).height};
}

// Why kind k cannot go to (x, y) with `colors`, checked in the order the
// command-line tool always has; none when it may.
std::optional<UserMessage> PlacementRefusal(const SkinLayout& layout, PartKind k, int x, int y,
                                            const std::optional<ColorTriple>& colors) {
  if (!IsPartKind(k)) return UserMessage{"Error : there is no part kind " + std::to_string(k) + "."};
  if (colors && !DialogCanGive(k, *colors)) {
    return UserMessage{"Error : " + KindName(k) + " cannot have the colours " + ColorText(*colors) +
                       " (a first colour of -1 is only for a button without image, -1,-1,-1)."};
  }
  if (!layout.backgroundLoaded) return UserMessage{"Error : the project has no background picture."};
  if (layout.placed(k)) return UserMessage{"Error : " + KindName(k) + " is already placed."};
  if (const auto other = PlacedKindOfGroup(layout, k)) {
    return UserMessage{"Error : " + KindName(k) + " cannot be placed while " + KindName(*other) +
                       " of the same group is placed."};
  }
  const CanvasPoint at{x, y};
  if (x > kCanvasSize || y > kCanvasSize || !LiesOnCanvas(k, at)) {
    return UserMessage{"Error : " + KindName(k) + " at (" + std::to_string(x) + ", " + std::to_string(y) +
                       ") would not lie wholly on the 320x320 picture."};
  }
  // The one refusal a click shows, in its words.
  if (FirstTouchedPart(layout, k, at))
    return UserMessage{std::string(kTouchingPartText), MessageIcon::Information, MessageCode::PartsTouch};
  return std::nullopt;
}

}  // namespace

Status SkinDocument::PlacePart(PartKind k, int x, int y, std::optional<ColorTriple> colors) {
  Operation operation(*this);
  EndPlacement();
  if (auto refusal = PlacementRefusal(layout_, k, x, y, colors)) return std::move(*refusal);
  PartRecord& row = layout_.part(k);
  row.x = x;
  row.y = y;
  row.colors = colors ? *colors : ColorsOnPlainOk(k, row.colors);
  layout_.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout_));
  AddArea(PartArea(k, x, y));
  Record();
  return Done{};
}

Status SkinDocument::RemovePart(PartKind k) {
  Operation operation(*this);
  EndPlacement();
  if (!IsPartKind(k)) return UserMessage{"Error : there is no part kind " + std::to_string(k) + "."};
  if (!layout_.placed(k)) return UserMessage{"Error : " + KindName(k) + " is not placed."};
  PartRecord& row = layout_.part(k);
  AddArea(PartArea(k, row.x, row.y));
  row.x = -1;
  row.y = -1;
  layout_.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout_));
  Record();
  return Done{};
}

void SkinDocument::SetColors(PartKind k, const ColorTriple& colors) {
  Operation operation(*this);
  SettleDialog();
  if (!IsPartKind(k)) return;
  layout_.part(k).colors = colors;
  Record();
}

void SkinDocument::SetDatabaseTexts(const InfoTexts& cp932) {
  Operation operation(*this);
  SettleDialog();
  StoreInfoTexts(layout_, cp932);
  Record();
}

void SkinDocument::SetDatabaseFields(const SkinLayout& edited) {
  Operation operation(*this);
  SettleDialog();
  layout_.databaseName = edited.databaseName;
  layout_.databaseAuthor = edited.databaseAuthor;
  layout_.databaseVersion = edited.databaseVersion;
  Record();
}

}  // namespace vorlune
