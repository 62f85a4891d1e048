#include "core/png_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/golden.h"

namespace vorlune {
namespace {

RgbImage Gradient(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(
          x, y,
          Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), static_cast<std::uint8_t>(x ^ y)});
  return image;
}

TEST(Checksums, MatchTheKnownValues) {
  const std::string_view digits = "123456789";
  const std::span<const std::uint8_t> d(reinterpret_cast<const std::uint8_t*>(digits.data()), digits.size());
  EXPECT_EQ(Crc32(d), 0xCBF43926u);
  const std::string_view word = "Wikipedia";
  EXPECT_EQ(Adler32({reinterpret_cast<const std::uint8_t*>(word.data()), word.size()}), 0x11E60398u);
  EXPECT_EQ(Adler32({}), 1u);
  // Large enough for the sums to wrap at 65,521.
  const std::vector<std::uint8_t> ones(100000, 0xFF);
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : ones) a = (a + v) % 65521, b = (b + a) % 65521;
  EXPECT_EQ(Adler32(ones), (b << 16) | a);
}

// The chunks, CRCs, zlib headers and stored blocks (one more from 65,535 bytes on).
TEST(PngWriter, PicturesSmallAndLarge) {
  EXPECT_GOLDEN("7 x 5", EncodePng(Gradient(7, 5)));
  EXPECT_GOLDEN("320 x 320", EncodePng(Gradient(320, 320)));
  EXPECT_GOLDEN("1 x 1", EncodePng(Gradient(1, 1)));
}

}  // namespace
}  // namespace vorlune
