#pragma once

#include "layout/skin_palette.h"

namespace vorlune {

// WCAG 2 relative luminance of an sRGB colour, 0 (black) .. 1 (white).
double RelativeLuminance(Rgb color);

// WCAG 2 contrast ratio of two colours, (L1 + 0.05) / (L2 + 0.05) with L1 the
// lighter: 1 (same luminance) .. 21 (black and white). Symmetric.
double ContrastRatio(Rgb a, Rgb b);

}  // namespace vorlune
