#pragma once

#include <cstdint>

#include "image/dmatrix.h"

namespace vorlune {

// Smooths the brightness steps of a 24-bit picture before its colours are
// reduced: the blue channel is error-diffused to whole numbers and each pixel's
// colour is nudged by the change in brightness that this brings between it and
// its left neighbour. Works in place on bottom-up rows of blue, green, red
// bytes without filler; callers pass a square picture. When a matrix gets no
// storage the pixels are left as they are.
void PrefilterTrueColor(std::uint8_t* pixels, int width, int height, DmatrixMessages* messages = nullptr);

}  // namespace vorlune
