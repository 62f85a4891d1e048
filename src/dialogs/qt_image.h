#pragma once

#include <QImage>

#include "core/rgb_image.h"

namespace vorlune {

// A copy of a core picture for painting.
QImage ToQImage(const RgbImage& image);

}  // namespace vorlune
