#include "image/average_edge_colour.h"

#include <array>
#include <cstdint>

namespace vorlune {

Rgb AverageEdgeColour(const RgbImage& picture) {
  const int w = picture.width;
  const int h = picture.height;
  if (w <= 0 || h <= 0) return {255, 255, 255};
  std::array<std::uint64_t, 3> sum{};
  std::uint64_t count = 0;
  const auto add = [&](int x, int y) {
    const Rgb c = picture.at(x, y);
    sum[0] += c.r;
    sum[1] += c.g;
    sum[2] += c.b;
    ++count;
  };
  // Each edge pixel once, corners included, also for a picture one pixel thin.
  for (int x = 0; x < w; ++x) {
    add(x, 0);
    if (h > 1) add(x, h - 1);
  }
  for (int y = 1; y < h - 1; ++y) {
    add(0, y);
    if (w > 1) add(w - 1, y);
  }
  const auto mean = [&](int c) {
    return static_cast<std::uint8_t>((sum[std::size_t(c)] + count / 2) / count);
  };
  return {mean(0), mean(1), mean(2)};
}

}  // namespace vorlune
