#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// A plain picture of red, green, blue bytes, rows top-down. The renderer and the
// generated resource pictures produce these; the editor shows them and the
// command-line tool saves them as PNG.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;  // width * height * 3 bytes

  RgbImage() = default;
  RgbImage(int w, int h, Rgb fill = {}) : width(w), height(h), rgb(static_cast<std::size_t>(w * h) * 3) {
    for (int i = 0; i < w * h; ++i) set(i % w, i / w, fill);
  }

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
  void set(int x, int y, Rgb c) {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    rgb[i] = c.r;
    rgb[i + 1] = c.g;
    rgb[i + 2] = c.b;
  }
};

}  // namespace vorlune
