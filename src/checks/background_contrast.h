#pragma once

#include <optional>
#include <vector>

#include "checks/dominant_colors.h"

namespace vorlune {

// Background colours covering less than this share of the area under a part
// are small details the eye passes over; only larger ones are held against.
inline constexpr double kCoveringShare = 0.20;

struct BackgroundContrast {
  DominantColor background;
  double ratio;
};

// `color` against the background colour covering at least 20 % of the area
// that it stands out from least. None when no colour covers that much.
std::optional<BackgroundContrast> WorstBackgroundContrast(const std::vector<DominantColor>& dominant,
                                                          Rgb color);

}  // namespace vorlune
