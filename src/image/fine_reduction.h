#pragma once

#include "core/rgb_image.h"
#include "image/indexed_picture.h"

namespace vorlune {

// Reduces a 320 x 320 picture to at most 214 colours chosen for it: Wu's
// quantiser, refined by k-means over the picture's colours, then mapped to the
// nearest colour with Floyd-Steinberg error diffusion (serpentine) unless
// `dither` is off. A picture of 214 colours or fewer keeps its own colours and
// pixels. Integer arithmetic throughout: the same picture gives the same
// result everywhere.
IndexedPicture ReduceFinely(const RgbImage& picture, bool dither);

}  // namespace vorlune
