#pragma once

#include <cstdint>
#include <vector>

#include "core/rgb_image.h"
#include "layout/skin_layout.h"
#include "layout/skin_palette.h"

namespace vorlune {

// A picture of the handheld's screen: 320 x 320 indices into the skin's own
// palette, rows top first. Pictures made from it (PNG, GIF) need no colour
// reduction.
struct IndexedFrame {
  int width = kCanvasSize;
  int height = kCanvasSize;
  std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(kPixelBytes);
  SkinPalette palette{};

  std::uint8_t at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  Rgb color(int x, int y) const { return palette[at(x, y)]; }
};

// The frame in red, green and blue, for a PNG or the screen.
RgbImage ToRgbImage(const IndexedFrame& frame);

}  // namespace vorlune
