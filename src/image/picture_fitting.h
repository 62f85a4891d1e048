#pragma once

#include "core/rgb_image.h"

namespace vorlune {

// How a picture of another size is brought to 320 x 320.
enum class FitMode {
  Cover,    // scaled to fill, the overhang cropped equally on both sides
  Contain,  // the whole picture, bars of the matte colour beside or above and below it
  Stretch,  // scaled to the square, proportions lost
};

// Where the cover crop is centred, as fractions of the picture's width and
// height: the middle by default.
struct FitFocus {
  double x = 0.5;
  double y = 0.5;
};

// The part of a picture, in its own pixels, that a cover fit keeps: the
// square whose centre is nearest the focus, inside the picture.
struct CropWindow {
  double x = 0, y = 0, width = 0, height = 0;
};
CropWindow CoverCropWindow(int width, int height, FitFocus focus = {});

// Where a contain fit puts the whole picture in the 320 x 320 square; the rest
// is matte.
struct ContainArea {
  int x = 0, y = 0, width = 0, height = 0;
};
ContainArea ContainedArea(int width, int height);

// The picture at 320 x 320, resampled with Lanczos-3 (widened by the scale
// when shrinking, after averaging whole blocks for large reductions). A
// picture already 320 x 320 is returned as it is. Only Cover uses the focus.
RgbImage FitPicture(const RgbImage& picture, FitMode mode, Rgb matte = {255, 255, 255}, FitFocus focus = {});

}  // namespace vorlune
