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
// first letters at full size, so that its three heights stay apart. At a
// larger scale the lettering is scaled from the mask again, finer; the rest
// keeps its bars whole, each mask pixel a block of scale x scale.
MaskGrid ButtonSymbol(PartKind k, int scale) {
  const MaskGrid shape = TrimEmptyBorder(UnpackMask(PartShapeMask(k)));
  MaskGrid symbol;
  switch (GroupOf(k)) {
    case PartGroup::Time:
    case PartGroup::Track:
      return ScaleLettering(shape, kSymbolBoxWidth * scale, kSymbolBoxHeight * scale);
    case PartGroup::Title:
      symbol = CropToBox(shape, kSymbolBoxWidth, kSymbolBoxHeight, CropAnchor::Left);
      break;
    default:
      symbol = CropToBox(ShrinkRunsToFit(shape, kSymbolBoxWidth, kSymbolBoxHeight), kSymbolBoxWidth,
                         kSymbolBoxHeight, CropAnchor::Centre);
  }
  if (scale == 1) return symbol;
  MaskGrid blocks(symbol.width * scale, symbol.height * scale);
  for (int y = 0; y < blocks.height; ++y)
    for (int x = 0; x < blocks.width; ++x) blocks.set(x, y, symbol.at(x / scale, y / scale));
  return blocks;
}

RgbImage SymbolOnGround(PartKind k, Rgb ground, int scale) {
  RgbImage picture(kButtonPictureWidth * scale, kButtonPictureHeight * scale, ground);
  const MaskGrid symbol = ButtonSymbol(k, scale);
  // Centred as at scale 1, in whole blocks.
  const int left = (kButtonPictureWidth * scale - symbol.width) / 2;
  const int top = (kButtonPictureHeight * scale - symbol.height) / 2;
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

RgbImage PartButtonPicture(PartKind k, ButtonPictureState state, int scale) {
  if (state == ButtonPictureState::Disabled) return SymbolOnGround(k, kDisabledGround, scale);
  RgbImage picture = SymbolOnGround(k, kButtonGround, scale);
  if (state == ButtonPictureState::Down) DrawFrame(picture, kPressedFrame, 2 * scale);
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
