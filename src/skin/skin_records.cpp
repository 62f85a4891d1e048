#include "skin/skin_records.h"

#include "skin/mask_picture.h"

namespace vorlune {

int StateCount(PartKind k, const ColorTriple& colors) {
  if (k >= 27 && k <= 29) return 0;
  if (!ColorSet(colors[0])) return 0;
  if (ColorSet(colors[2])) return 3;
  if (ColorSet(colors[1])) return 2;
  return 1;
}

BitmapSize StateBitmapSize(PartKind k) {
  if (k >= 21 && k <= 26) return {kDigitStripWidth, kDigitStripHeight};
  return {KindInfo(k).width, KindInfo(k).height};
}

std::uint8_t TitleSizeCode(PartKind k) {
  switch (k) {
    case 27:
      return 10;
    case 28:
      return 8;
    case 29:
      return 2;
    default:
      return kUnusedByte;
  }
}

std::vector<PlacedPart> PlacedParts(const SkinLayout& layout) {
  std::vector<PlacedPart> parts;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    if (layout.placed(k)) parts.push_back({k, StateCount(k, layout.part(k).colors)});
  }
  return parts;
}

}  // namespace vorlune
