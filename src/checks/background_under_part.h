#pragma once

#include <optional>

#include "checks/dominant_colors.h"
#include "layout/skin_layout.h"

namespace vorlune {

// True when the layout holds a whole background, as the skin writer needs.
bool HasBackground(const SkinLayout& layout);

// The background pixels that the part of kind k covers where it stands: its
// shape's non-zero mask pixels, and for the displays, whose digits and titles
// change while the player runs, the whole digit cells and the title's box.
// None without a background or when the part is not wholly on it.
std::optional<PaletteHistogram> BackgroundUnderPart(const SkinLayout& layout, PartKind k);

// The dominant colours of that background, none as above.
std::optional<std::vector<DominantColor>> DominantColorsUnderPart(const SkinLayout& layout, PartKind k);

}  // namespace vorlune
