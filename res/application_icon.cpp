#include <algorithm>

#include "mask_grid.h"
#include "part_look.h"
#include "part_pictures.h"

namespace vorlune {

namespace {

constexpr PartKind kPlay = 1;
constexpr PartKind kEqualizerBars = 14;

void Paint(RgbImage& icon, const MaskGrid& grid, int left, int top, PartKind look) {
  for (int y = 0; y < grid.height; ++y) {
    for (int x = 0; x < grid.width; ++x) {
      const std::uint8_t value = grid.at(x, y);
      if (value != 0) icon.set(left + x, top + y, PartInkColor(look, value));
    }
  }
}

}  // namespace

// An equaliser behind a play symbol: the player the skins are made for.
RgbImage ApplicationIcon(int size) {
  RgbImage icon(size, size, kButtonGround);
  const int inner = std::max(1, size - size / 8);
  const int margin = (size - inner) / 2;
  const MaskGrid bars =
      CropToBox(ShrinkRunsToFit(TrimEmptyBorder(UnpackMask(PartShapeMask(kEqualizerBars))), inner, inner),
                inner, inner, CropAnchor::Centre);
  Paint(icon, bars, (size - bars.width) / 2, size - margin - bars.height, kEqualizerBars);
  const MaskGrid play = ScaleLettering(TrimEmptyBorder(UnpackMask(PartShapeMask(kPlay))), size / 2, size / 2);
  const int left = (size - play.width) / 2;
  const int top = (size - play.height) / 2;
  // A black edge keeps the symbol apart from the bars behind it.
  for (int y = -1; y <= play.height; ++y) {
    for (int x = -1; x <= play.width; ++x) {
      bool nearInk = false;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int px = x + dx, py = y + dy;
          if (px >= 0 && py >= 0 && px < play.width && py < play.height && play.at(px, py) != 0)
            nearInk = true;
        }
      if (nearInk && left + x >= 0 && top + y >= 0 && left + x < size && top + y < size)
        icon.set(left + x, top + y, kButtonGround);
    }
  }
  Paint(icon, play, left, top, kPlay);
  return icon;
}

}  // namespace vorlune
