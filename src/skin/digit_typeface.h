#pragma once

#include <array>

#include "skin/glyph_outline.h"

namespace vorlune {

// Pixel box [x0, x1) x [y0, y1) inside a 30 x 36 cell.
struct CellBox {
  int x0;
  int y0;
  int x1;
  int y1;
};

// One typeface of the time and track displays: the outlines of the digits and
// the colon in cell coordinates, and the boxes their ink must keep to.
struct DigitTypeface {
  std::array<glyph::Region, 11> glyphs;  // digits 0..9, then the colon
  std::array<CellBox, 11> inkBoxes;
};

DigitTypeface HeavySansFigures();  // typeface 1
DigitTypeface SquaredFigures();    // typeface 2
DigitTypeface BookSerifFigures();  // typeface 3

}  // namespace vorlune
