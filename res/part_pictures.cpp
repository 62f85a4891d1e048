#include "part_pictures.h"

#include "mask_grid.h"
#include "part_look.h"

namespace vorlune {

namespace {

// Room for the symbol inside the pressed picture's two-pixel frame.
constexpr int kSymbolBoxWidth = 36;
constexpr int kSymbolBoxHeight = 31;

// The kind's mask brought down to the symbol box: buttons and meters keep their
// bars, gaps and dots; digits are scaled as lettering; the title shows its
// first letters at full size, so that its three heights stay apart.
MaskGrid ButtonSymbol(PartKind k) {
  const MaskGrid shape = TrimEmptyBorder(UnpackMask(PartShapeMask(k)));
  switch (GroupOf(k)) {
    case PartGroup::Time:
    case PartGroup::Track:
      return ScaleLettering(shape, kSymbolBoxWidth, kSymbolBoxHeight);
    case PartGroup::Title:
      return CropToBox(shape, kSymbolBoxWidth, kSymbolBoxHeight, CropAnchor::Left);
    default:
      return CropToBox(ShrinkRunsToFit(shape, kSymbolBoxWidth, kSymbolBoxHeight), kSymbolBoxWidth,
                       kSymbolBoxHeight, CropAnchor::Centre);
  }
}

RgbImage SymbolOnGround(PartKind k, Rgb ground) {
  RgbImage picture(kButtonPictureWidth, kButtonPictureHeight, ground);
  const MaskGrid symbol = ButtonSymbol(k);
  const int left = (kButtonPictureWidth - symbol.width) / 2;
  const int top = (kButtonPictureHeight - symbol.height) / 2;
  for (int y = 0; y < symbol.height; ++y) {
    for (int x = 0; x < symbol.width; ++x) {
      const std::uint8_t value = symbol.at(x, y);
      if (value != 0) picture.set(left + x, top + y, PartInkColor(k, value));
    }
  }
  return picture;
}

void DrawFrame(RgbImage& picture, Rgb color, int thickness) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool edge =
          x < thickness || y < thickness || x >= picture.width - thickness || y >= picture.height - thickness;
      if (edge) picture.set(x, y, color);
    }
  }
}

}  // namespace

RgbImage PartButtonPicture(PartKind k, ButtonPictureState state) {
  if (state == ButtonPictureState::Disabled) return SymbolOnGround(k, kDisabledGround);
  RgbImage picture = SymbolOnGround(k, kButtonGround);
  if (state == ButtonPictureState::Down) DrawFrame(picture, kPressedFrame, 2);
  return picture;
}

RgbImage CanvasBitmap(PartKind k) {
  const MaskPicture& mask = PartShapeMask(k);
  RgbImage picture(mask.width, mask.height, kCanvasGround);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      const std::uint8_t value = mask.at(x, y);
      if (value != 0) picture.set(x, y, PartInkColor(k, value));
    }
  }
  return picture;
}

}  // namespace vorlune
