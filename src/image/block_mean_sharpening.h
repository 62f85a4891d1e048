#pragma once

#include "image/picture_decoding.h"

namespace vorlune {

// A picture whose pixels are each the mean of a square block of the stored
// one (JPEG decoded at 1/8) is blurrier than the fit's own averaging would
// make it: the means weaken the finest detail the fitted picture still shows.
// The strength, 0 to 1/4, of the 3-tap sharpening that gives the finest
// fitted detail back when the short side `shortSide` is later fitted to
// `fittedSide`.
double BlockMeanSharpening(int shortSide, int fittedSide);

// Sharpens across and down with [-a, 1 + 2a, -a], the edges repeated.
void SharpenBlockMeans(RgbImage& picture, double amount);

}  // namespace vorlune
