#pragma once

#include <optional>

#include "layout/skin_layout.h"
#include "project/project_messages.h"

namespace vorlune {

// The placement rules the editor keeps while the user works, checked for a
// layout that comes from a file: row 0 unplaced, every placed part wholly on
// the canvas, at most one kind of each exclusive group, no two parts touching.
std::optional<ProjectDamage> CheckPlacedParts(const SkinLayout& layout);

// True when the placed row of kind k lies wholly on the canvas; far-off
// coordinates of a damaged file are answered without overflow.
bool PlacedWhollyOnCanvas(PartKind k, const PartRecord& row);

}  // namespace vorlune
