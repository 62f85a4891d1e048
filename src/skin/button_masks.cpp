#include <algorithm>

#include "skin/rule_masks.h"

namespace vorlune {

namespace {

constexpr int kButtonWidth = 36;
constexpr int kButtonHeight = 30;

void FillRect(MaskPicture& mask, int left, int top, int right, int bottom) {
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) mask.set(x, y, 1);
  }
}

// Half-width of the transport triangles on rows 4..25: 1 pixel at the tips,
// one more a row towards rows 14 and 15.
int TriangleWidth(int row) {
  return row <= 14 ? row - 3 : 26 - row;
}

// A left-pointing triangle whose upright edge stands on column `edge`.
void LeftTriangle(MaskPicture& mask, int edge) {
  for (int y = 4; y <= 25; ++y) FillRect(mask, edge - TriangleWidth(y) + 1, y, edge, y);
}

MaskPicture Mirrored(const MaskPicture& mask) {
  MaskPicture out(mask.width, mask.height);
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) out.set(mask.width - 1 - x, y, mask.at(x, y));
  }
  return out;
}

MaskPicture PlayMask() {
  MaskPicture mask(kButtonWidth, kButtonHeight);
  constexpr int kUpperWidths[] = {2, 5, 7, 10, 12, 15, 17, 20, 22, 25, 27};  // rows 4..14
  for (int i = 0; i < 11; ++i) {
    FillRect(mask, 5, 4 + i, 5 + kUpperWidths[i] - 1, 4 + i);
    FillRect(mask, 5, 25 - i, 5 + kUpperWidths[i] - 1, 25 - i);
  }
  return mask;
}

MaskPicture TrackStartMask() {
  MaskPicture mask(kButtonWidth, kButtonHeight);
  FillRect(mask, 5, 4, 7, 25);
  LeftTriangle(mask, 18);
  LeftTriangle(mask, 29);
  FillRect(mask, 5, 14, 29, 15);
  return mask;
}

MaskPicture RewindMask() {
  MaskPicture mask(kButtonWidth, kButtonHeight);
  LeftTriangle(mask, 16);
  LeftTriangle(mask, 27);
  FillRect(mask, 6, 14, 27, 15);
  return mask;
}

}  // namespace

MaskPicture ButtonSymbolMask(PartKind k) {
  MaskPicture mask(kButtonWidth, kButtonHeight);
  switch (k) {
    case 1:
      return PlayMask();
    case 2:
      FillRect(mask, 8, 5, 27, 24);
      return mask;
    case 3:
      return TrackStartMask();
    case 4:
      return Mirrored(TrackStartMask());
    case 5:
      return RewindMask();
    case 6:
      return Mirrored(RewindMask());
    case 7:
      FillRect(mask, 16, 4, 19, 25);
      FillRect(mask, 7, 13, 28, 16);
      return mask;
    case 8:
      FillRect(mask, 7, 13, 28, 16);
      return mask;
    default:
      return mask;
  }
}

}  // namespace vorlune
