#include "skin/mask_picture.h"

// Blank stand-ins until the typefaces, title samples and replay symbol are drawn.
namespace vorlune {

const MaskPicture& DigitStrip(int typeface) {
  static const MaskPicture blank(kDigitStripWidth, kDigitStripHeight);
  (void)typeface;
  return blank;
}

MaskPicture TitleSampleMask(PartKind k) {
  return MaskPicture(240, KindInfo(k).height);
}

MaskPicture ReplaySymbolMask() {
  return MaskPicture(36, 30);
}

}  // namespace vorlune
