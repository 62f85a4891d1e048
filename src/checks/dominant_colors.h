#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// How many pixels of an area show each entry of the skin palette.
using PaletteHistogram = std::array<std::uint32_t, 256>;

// A colour that covers a good part of an area.
struct DominantColor {
  Rgb color;     // the most frequent colour of its near-identical group
  double share;  // of the area's pixels, 0..1
};

inline constexpr double kDominantShare = 0.05;

// The colours that cover at least 5 % of the area, most covering first, with
// colours that the eye cannot tell apart (CIE76 difference below 2) counted
// as one. Empty for an empty area.
std::vector<DominantColor> DominantColors(const PaletteHistogram& histogram, const SkinPalette& palette);

}  // namespace vorlune
