#pragma once

#include <cstdint>
#include <vector>

#include "core/rgb_image.h"

namespace vorlune {

// The bytes of a compressed PNG file (8-bit RGB, no interlace) holding the
// picture, made by libpng.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

}  // namespace vorlune
