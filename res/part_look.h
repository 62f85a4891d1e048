#pragma once

#include <cstdint>

#include "layout/part_kind.h"
#include "layout/skin_palette.h"

namespace vorlune {

// Colours of the editor's part pictures, all from the 16-colour palette.
inline constexpr Rgb kCanvasGround{128, 128, 128};
inline constexpr Rgb kButtonGround{0, 0, 0};
inline constexpr Rgb kDisabledGround{192, 192, 192};
inline constexpr Rgb kPressedFrame{0, 255, 0};

// The colour in which the pictures of kind k show mask value 1..3 (and the
// faint ink of scaled lettering): aqua symbols and lettering, volume bars in
// aqua on teal, equalisers bright green on dark green, level meters yellow on
// blue with a red peak mark.
Rgb PartInkColor(PartKind k, std::uint8_t maskValue);

}  // namespace vorlune
