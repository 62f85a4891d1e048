#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// A colour of a picture (0xRRGGBB) and how many pixels have it.
struct WeightedColor {
  std::uint32_t key = 0;
  std::uint32_t count = 0;
};

// Xiaolin Wu's quantiser: splits the colour cube into at most `maxColors`
// boxes of least variance and returns each box's mean colour. Integer moments,
// so the boxes are the same on every machine.
std::vector<Rgb> WuQuantize(const std::vector<WeightedColor>& colors, int maxColors);

}  // namespace vorlune
