#include "skin/glyph_outline.h"
#include "skin/mask_picture.h"

// The replay button: a rounded loop drawn as a 2-pixel outline, with a filled
// arrow head on the top run pointing left and one on the bottom run pointing
// right, so the loop reads as going round.
namespace vorlune {

using namespace glyph;

MaskPicture ReplaySymbolMask() {
  MaskPicture mask(36, 30);
  // A stadium: straight runs on rows 8..9 and 20..21, half-round ends.
  const Region loop = Stroke(
      Join({{{11, 9}, {25, 9}}, Arc(25, 15, 6, 6, 90, -90), {{11, 21}}, Arc(11, 15, 6, 6, 270, 90)}), 1, 1);
  // Upright bases on column 21 (rows 5..12) and column 14 (rows 17..24).
  const Region leftHead = Polygon({{22, 4.6}, {22, 13.4}, {13.4, 9}});
  const Region rightHead = Polygon({{14, 16.6}, {14, 25.4}, {22.6, 21}});
  Paint(mask, Union({loop, Box(21, 5, 22, 13), Box(14, 17, 15, 25)}), 4, 5, 32, 25);
  Paint(mask, Union({leftHead, rightHead}), 4, 5, 32, 25);
  return mask;
}

}  // namespace vorlune
