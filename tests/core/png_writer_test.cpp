#include "core/png_writer.h"

#include <gtest/gtest.h>

#include "image/picture_decoding.h"

namespace vorlune {
namespace {

// A skin-like picture: flat areas and a few edges, as the renderer makes.
RgbImage Blocks(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(x, y,
                Rgb{static_cast<std::uint8_t>(x / 40 * 30), static_cast<std::uint8_t>(y / 40 * 30), 77});
  return image;
}

TEST(PngWriter, WritesACompressedPictureThatReadsBackTheSame) {
  for (const auto& [w, h] : {std::pair{7, 5}, {320, 320}}) {
    const RgbImage image = Blocks(w, h);
    const std::vector<std::uint8_t> png = EncodePng(image);
    const auto decoded = DecodePicture(png);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded->facts.format, "PNG");
    EXPECT_EQ(decoded->image.width, w);
    EXPECT_EQ(decoded->image.rgb, image.rgb);
    if (w == 320) {
      EXPECT_LT(png.size(), 20000u);  // stored rows would take 307,000 bytes
    }
  }
}

}  // namespace
}  // namespace vorlune
