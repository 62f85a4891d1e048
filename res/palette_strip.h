#pragma once

#include <cstdint>

#include "core/rgb_image.h"

namespace vorlune {

// The palette strip of the property dialogs (resource 165, IDB_PALETTE): the 16
// picker colours as 16 x 16 swatches in index order inside a two-pixel bevelled
// frame. Its pixel values are picker indexes.
inline constexpr int kPaletteStripId = 165;
inline constexpr int kPaletteStripWidth = 260;
inline constexpr int kPaletteStripHeight = 20;

// The picker index of the strip pixel at column x (0..259), line y (0..19).
std::uint8_t PaletteStripIndex(int x, int y);

// The strip in the picker colours. At a display scale above 1 it is drawn
// anew for that many device pixels per pixel, each edge on a whole device
// pixel, so that it is shown one to one and never enlarged.
RgbImage PaletteStrip(double scale = 1);

}  // namespace vorlune
