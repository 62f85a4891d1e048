#include "image/average_edge_colour.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

// A picture of `inside` with a one-pixel border of `edge`, whose right column is `right`.
RgbImage Framed(int w, int h, Rgb edge, Rgb right, Rgb inside) {
  RgbImage picture(w, h, inside);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (x == w - 1)
        picture.set(x, y, right);
      else if (x == 0 || y == 0 || y == h - 1)
        picture.set(x, y, edge);
  return picture;
}

// Only the outermost pixels count, each once, rounded to the nearest value.
TEST(AverageEdgeColour, IsTheMeanOfTheOutermostPixels) {
  const Rgb black{0, 0, 0}, white{255, 255, 255}, red{255, 0, 0};
  const struct {
    RgbImage picture;
    Rgb expected;
  } cases[] = {
      {Framed(10, 10, red, red, black), red},
      // 36 edge pixels, 10 of them (the right column) white: 255 * 10 / 36 = 70.8.
      {Framed(10, 10, black, white, red), {71, 71, 71}},
      {Framed(1, 4, black, white, red), white},
      {Framed(3, 1, red, white, black), {255, 85, 85}},
      {RgbImage(), white},
  };
  for (const auto& c : cases) {
    const Rgb got = AverageEdgeColour(c.picture);
    EXPECT_EQ(got, c.expected) << c.picture.width << "x" << c.picture.height << " got " << int(got.r) << ","
                               << int(got.g) << "," << int(got.b);
  }
}

}  // namespace
}  // namespace vorlune
