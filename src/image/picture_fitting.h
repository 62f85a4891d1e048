#pragma once

#include "core/rgb_image.h"

namespace vorlune {

// How a picture of another size is brought to 320 x 320.
enum class FitMode {
  Cover,    // scaled to fill, the overhang cropped equally on both sides
  Contain,  // the whole picture, bars of the matte colour beside or above and below it
  Stretch,  // scaled to the square, proportions lost
};

// The picture at 320 x 320, resampled with Lanczos-3 (widened by the scale
// when shrinking, after averaging whole blocks for large reductions). A
// picture already 320 x 320 is returned as it is.
RgbImage FitPicture(const RgbImage& picture, FitMode mode, Rgb matte = {255, 255, 255});

}  // namespace vorlune
