#include "core/png_writer.h"

#include <gtest/gtest.h>

#include "image/picture_decoding.h"

namespace vorlune {
namespace {

TEST(PngWriter, WritesACompressedPictureThatReadsBackTheSame) {
  for (int size : {7, 320}) {
    RgbImage image(size, size);  // flat areas and a few edges, as the renderer makes
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        image.set(x, y,
                  Rgb{static_cast<std::uint8_t>(x / 40 * 30), static_cast<std::uint8_t>(y / 40 * 30), 77});
    const std::vector<std::uint8_t> png = EncodePng(image);
    const auto decoded = DecodePicture(png);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded->image.width, size);
    EXPECT_EQ(decoded->image.rgb, image.rgb);
    EXPECT_LT(png.size(), 200u + size * size / 5u);  // stored rows would take 3 bytes a pixel
  }
}

}  // namespace
}  // namespace vorlune
