#pragma once

#include "skin/mask_picture.h"

namespace vorlune::testing {

// A window [x0, x1) x [y0, y1) of a mask.
struct Window {
  int x0;
  int y0;
  int x1;
  int y1;
};

// Smallest window holding every non-zero pixel of `area` (x1 = 0 when blank).
Window InkBounds(const MaskPicture& mask, Window area);

int InkCount(const MaskPicture& mask, Window area);

// Separate pieces of ink, pixels touching at a side or a corner counting as one.
int InkPieces(const MaskPicture& mask, Window area);

// Enclosed counters: blank regions that do not reach the window's edge.
int Counters(const MaskPicture& mask, Window area);

// Number of pixels of the window whose value is neither 0 nor 1.
int ValuesOtherThanInk(const MaskPicture& mask, Window area);

}  // namespace vorlune::testing
