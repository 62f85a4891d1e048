#include <array>
#include <initializer_list>
#include <mutex>

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
  // Each kind's mask is drawn on its first use: a skin without title displays
  // never pays for their sampled outlines.
  static std::array<MaskPicture, kLayoutRows> masks;
  static std::array<std::once_flag, kLayoutRows> drawn;
  MaskPicture& mask = masks.at(static_cast<std::size_t>(k));
  if (k >= kFirstKind)
    std::call_once(drawn[static_cast<std::size_t>(k)], [&mask, k] { mask = BuildMask(k); });
  return mask;
}

}  // namespace vorlune
