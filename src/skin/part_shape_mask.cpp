#include <array>
#include <initializer_list>

#include "skin/mask_picture.h"
#include "skin/rule_masks.h"

namespace vorlune {

namespace {

constexpr int kColonCell = 10;

// The display samples are cut from the typeface's strip: a time shows 23:56,
// a track number 03.
MaskPicture FromDigitCells(int typeface, std::initializer_list<int> cells) {
  const MaskPicture& strip = DigitStrip(typeface);
  MaskPicture mask(kDigitCellWidth * static_cast<int>(cells.size()), kDigitStripHeight);
  int left = 0;
  for (const int cell : cells) {
    for (int y = 0; y < kDigitStripHeight; ++y) {
      for (int x = 0; x < kDigitCellWidth; ++x)
        mask.set(left + x, y, strip.at(cell * kDigitCellWidth + x, y));
    }
    left += kDigitCellWidth;
  }
  return mask;
}

MaskPicture BuildMask(PartKind k) {
  if (k <= 8) return ButtonSymbolMask(k);
  if (k <= 20) return MeterMask(k);
  if (k <= 23) return FromDigitCells(k - 20, {2, 3, kColonCell, 5, 6});
  if (k <= 26) return FromDigitCells(k - 23, {0, 3});
  if (k <= 29) return TitleSampleMask(k);
  return ReplaySymbolMask();
}

}  // namespace

const MaskPicture& PartShapeMask(PartKind k) {
  static const std::array<MaskPicture, kLayoutRows> masks = [] {
    std::array<MaskPicture, kLayoutRows> all;
    for (PartKind kind = kFirstKind; kind <= kLastKind; ++kind)
      all[static_cast<std::size_t>(kind)] = BuildMask(kind);
    return all;
  }();
  return masks.at(static_cast<std::size_t>(k));
}

}  // namespace vorlune
