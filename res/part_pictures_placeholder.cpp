#include "part_pictures.h"

// Plain stand-ins until the real pictures are drawn.
namespace vorlune {

RgbImage PartButtonPicture(PartKind k, ButtonPictureState state) {
  (void)k;
  const Rgb ground = state == ButtonPictureState::Disabled ? Rgb{192, 192, 192} : Rgb{0, 0, 0};
  return RgbImage(kButtonPictureWidth, kButtonPictureHeight, ground);
}

RgbImage CanvasBitmap(PartKind k) {
  return RgbImage(KindInfo(k).width, KindInfo(k).height, Rgb{128, 128, 128});
}

RgbImage ApplicationIcon(int size) {
  return RgbImage(size, size, Rgb{0, 128, 128});
}

}  // namespace vorlune
