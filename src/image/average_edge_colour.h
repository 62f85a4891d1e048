#pragma once

#include "core/rgb_image.h"

namespace vorlune {

// The mean of the picture's outermost pixels (its first and last rows and
// columns): a matte of this colour makes the contain bars continue the picture.
// White for an empty picture.
Rgb AverageEdgeColour(const RgbImage& picture);

}  // namespace vorlune
