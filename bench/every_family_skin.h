#pragma once

#include "layout/skin_layout.h"

namespace vorlune::bench {

// A skin with a part of every family: all nine buttons with pictures, a volume
// meter, an equaliser, a level meter with three states, time, track and title.
inline SkinLayout EveryFamilySkin() {
  SkinLayout layout = NewSkinLayout();
  layout.pixelOffset = kReducedHeaderSize;
  layout.picture.assign(kReducedHeaderSize + kPixelBytes, 0);
  for (std::size_t i = 0; i < kPixelBytes; ++i) {
    layout.picture[kReducedHeaderSize + i] = static_cast<std::uint8_t>(17 + i % 214);
  }
  auto place = [&layout](PartKind k, int x, int y, ColorTriple colors) {
    layout.part(k).x = x;
    layout.part(k).y = y;
    layout.part(k).colors = colors;
  };
  const int buttons[] = {1, 2, 3, 4, 5, 6, 7, 8, 30};
  for (int i = 0; i < 9; ++i) place(buttons[i], 2 + 38 * (i % 8), 282 - 32 * (i / 8), {9, 12, -1});
  place(9, 2, 240, {6, 14, -1});
  place(13, 2, 2, {6, 14, -1});
  place(17, 140, 2, {6, 14, 9});
  place(21, 140, 50, {14, -1, -1});
  place(24, 140, 90, {14, -1, -1});
  place(27, 2, 170, {14, -1, -1});
  layout.placedCount = static_cast<std::uint32_t>(CountPlacedRows(layout));
  return layout;
}

}  // namespace vorlune::bench
