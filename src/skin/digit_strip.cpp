#include <stdexcept>

#include "skin/digit_typeface.h"
#include "skin/mask_picture.h"

namespace vorlune {

namespace {

MaskPicture DrawStrip(const DigitTypeface& face) {
  MaskPicture strip(kDigitStripWidth, kDigitStripHeight);
  for (int cell = 0; cell < 11; ++cell) {
    const int left = cell * kDigitCellWidth;
    const CellBox box = face.inkBoxes[static_cast<std::size_t>(cell)];
    glyph::Paint(strip, glyph::Shifted(face.glyphs[static_cast<std::size_t>(cell)], left, 0), left + box.x0,
                 box.y0, left + box.x1, box.y1);
  }
  return strip;
}

}  // namespace

const MaskPicture& DigitStrip(int typeface) {
  // Drawn once, on first use of each typeface: the outlines are sampled
  // finely, which is too slow to repeat for every skin written.
  switch (typeface) {
    case 1: {
      static const MaskPicture heavy = DrawStrip(HeavySansFigures());
      return heavy;
    }
    case 2: {
      static const MaskPicture squared = DrawStrip(SquaredFigures());
      return squared;
    }
    case 3: {
      static const MaskPicture serif = DrawStrip(BookSerifFigures());
      return serif;
    }
    default:
      throw std::out_of_range("digit typeface must be 1, 2 or 3");
  }
}

}  // namespace vorlune
