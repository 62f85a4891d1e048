// The reduced decoding of every format: the size it comes at, where the
// picture lands once turned upright after shrinking, the profile and the
// 16-bit gamma, against the full-size decoding of the same file.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cmath>

#include "image/block_mean_sharpening.h"
#include "image/bmp_fields.h"
#include "image/picture_decoding.h"
#include "image/picture_files_support.h"
#include "image/picture_import.h"
#include "support/picture_encoders.h"

namespace vorlune {
namespace {

using testing::Bytes;

// Quarters: red, green / blue, white (top-left red).
Rgb QuarterColour(int x, int y, int w, int h) {
  const bool right = x >= w / 2, bottom = y >= h / 2;
  return bottom ? (right ? Rgb{255, 255, 255} : Rgb{0, 0, 255}) : (right ? Rgb{0, 255, 0} : Rgb{255, 0, 0});
}

RgbImage Quarters(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.set(x, y, QuarterColour(x, y, w, h));
  return image;
}

double Mean(const RgbImage& image, int channel) {
  double sum = 0;
  for (std::size_t i = std::size_t(channel); i < image.rgb.size(); i += 3) sum += image.rgb[i];
  return sum / (double(image.width) * image.height);
}

bool Near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance;
}

// Fitted to 100 x 100 here: twice that is kept, 400 x 200 of 700 x 350.
const ReducedDecoding kTo100{.shortSide = 100, .maxPixels = kMaxPicturePixels, .consumed = {}};

TEST(ReducedDecoding, EveryFormatComesAtTwiceTheFittedSizeWithItsColours) {
  const RgbImage picture = Quarters(700, 350);
  const auto tiff = [&](std::uint32_t rows) {
    return testing::TiffFile(700, 350, [](int x, int y) { return QuarterColour(x, y, 700, 350); },
                             {8, 1, true, rows});
  };
  const struct {
    const char* name;
    Bytes file;
    int width, height;  // as decoded
  } cases[] = {
      {"PNG", testing::PngFile(testing::Opaque(picture)), 400, 200},
      // Scaled by 5/8 in the DCT, at least 200: kept as it comes.
      {"JPEG", testing::JpegFile(picture), 438, 219},
      {"progressive JPEG", testing::JpegFile(picture, {.progressive = true}), 438, 219},
      // At 1/8 when that keeps three quarters of the short side: block means, sharpened.
      {"large JPEG", testing::JpegFile(Quarters(1280, 1280)), 160, 160},
      {"WebP", testing::WebpFile(picture), 400, 200},
      {"GIF", testing::GifFile(picture, false), 400, 200},
      {"interlaced GIF", testing::GifFile(picture, true), 400, 200},
      {"TIFF in strips", tiff(16), 400, 200},
      {"TIFF in one strip", tiff(0), 400, 200},
      {"BMP", TrueColorBmpOf(picture), 400, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto reduced = DecodePictureReduced(c.file, {255, 255, 255}, kTo100);
    ASSERT_TRUE(reduced.ok());
    ASSERT_EQ(reduced->image.width, c.width);
    ASSERT_EQ(reduced->image.height, c.height);
    // The middle of each quarter keeps its colour.
    for (const auto& [fx, fy] : {std::pair{1, 1}, {3, 1}, {1, 3}, {3, 3}}) {
      const int x = c.width * fx / 4, y = c.height * fy / 4;
      EXPECT_TRUE(Near(reduced->image.at(x, y), QuarterColour(x, y, c.width, c.height), 4)) << x << "," << y;
    }
    // Averaging keeps the mean colour of the full-size picture.
    const auto full = DecodePicture(c.file);
    for (int channel = 0; channel < 3; ++channel)
      EXPECT_NEAR(Mean(reduced->image, channel), Mean(full->image, channel), 1.0) << channel;
  }
}

TEST(ReducedDecoding, PictureIsTurnedUprightAfterShrinking) {
  // Stored 800 x 400 (400 x 200 once reduced), top-left quarter red: where
  // it lands once upright, reduced and at full size.
  const RgbImage stored = Quarters(800, 400);
  const struct {
    int orientation, w, h;
    Rgb topLeft, topRight;
  } cases[] = {{1, 400, 200, {255, 0, 0}, {0, 255, 0}},     {2, 400, 200, {0, 255, 0}, {255, 0, 0}},
               {3, 400, 200, {255, 255, 255}, {0, 0, 255}}, {4, 400, 200, {0, 0, 255}, {255, 255, 255}},
               {5, 200, 400, {255, 0, 0}, {0, 0, 255}},     {6, 200, 400, {0, 0, 255}, {255, 0, 0}},
               {7, 200, 400, {255, 255, 255}, {0, 255, 0}}, {8, 200, 400, {0, 255, 0}, {255, 255, 255}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    const auto exif = testing::ExifWithOrientation(c.orientation);
    const Bytes files[] = {
        testing::JpegFile(stored, {.orientation = c.orientation}),
        testing::TiffFile(800, 400, [](int x, int y) { return QuarterColour(x, y, 800, 400); },
                          {8, c.orientation, true, 64}),
        testing::PngFile(testing::Opaque(stored), {{"eXIf", Bytes(exif.begin() + 6, exif.end())}})};
    for (const Bytes& file : files) {
      for (const int scale : {1, 2}) {
        const auto decoded =
            scale == 1 ? DecodePictureReduced(file, {255, 255, 255}, kTo100) : DecodePicture(file);
        ASSERT_TRUE(decoded.ok());
        EXPECT_EQ(decoded->facts.orientation, c.orientation);
        const int w = c.w * scale, h = c.h * scale;
        ASSERT_EQ(decoded->image.width, w);
        ASSERT_EQ(decoded->image.height, h);
        EXPECT_TRUE(Near(decoded->image.at(w / 8, h / 8), c.topLeft, 4));
        EXPECT_TRUE(Near(decoded->image.at(w * 7 / 8, h / 8), c.topRight, 4));
      }
    }
  }
}

TEST(ReducedDecoding, ProfileAndSixteenBitGreyGiveSrgb) {
  // sRGB's grey 128 stored in a linear profile is sRGB's 188, at full size and averaged.
  const RgbImage grey(700, 350, Rgb{128, 128, 128});
  Bytes chunk{'l', 'i', 'n', 0, 0};
  const Bytes icc = testing::LinearProfile();
  uLongf packedSize = compressBound(uLong(icc.size()));
  Bytes packed(packedSize);
  compress(packed.data(), &packedSize, icc.data(), uLong(icc.size()));
  chunk.insert(chunk.end(), packed.begin(), packed.begin() + std::ptrdiff_t(packedSize));
  const Bytes withProfile[] = {testing::PngFile(testing::Opaque(grey), {{"iCCP", chunk}}),
                               testing::JpegFile(grey, {.profile = icc})};
  for (const Bytes& file : withProfile) {
    for (const auto& decoded : {DecodePictureReduced(file, {255, 255, 255}, kTo100), DecodePicture(file)}) {
      ASSERT_TRUE(decoded.ok());
      EXPECT_TRUE(decoded->facts.hasProfile);
      EXPECT_NEAR(decoded->image.at(100, 100).g, 188, 2);
    }
  }
  // 16-bit grey 0x8080 without gAMA or sRGB is sRGB's 128, not linear light.
  const auto grey16 = DecodePicture(testing::RawPng(1, 1, 16, 0, {0, 0x80, 0x80}));
  ASSERT_TRUE(grey16.ok());
  EXPECT_EQ(grey16->image.at(0, 0), (Rgb{128, 128, 128}));
}

TEST(ReducedDecoding, BlockMeansGetTheirEdgesBackAndFlatPartsStay) {
  // Stronger the closer the means are to the fitted size; none below it.
  EXPECT_GT(BlockMeanSharpening(375, 320), BlockMeanSharpening(750, 320));
  EXPECT_GT(BlockMeanSharpening(750, 320), 0);
  EXPECT_EQ(BlockMeanSharpening(300, 320), 0);
  RgbImage step(8, 8, Rgb{100, 100, 100});
  for (int y = 0; y < 8; ++y)
    for (int x = 4; x < 8; ++x) step.set(x, y, Rgb{200, 200, 200});
  SharpenBlockMeans(step, 0.1);
  EXPECT_EQ(step.at(3, 5), (Rgb{90, 90, 90}));
  EXPECT_EQ(step.at(4, 5), (Rgb{210, 210, 210}));
  EXPECT_EQ(step.at(0, 0), (Rgb{100, 100, 100}));
}

TEST(ColourCounting, CanvasOutsideTheFirstFrameCountsAsWhite) {
  const RgbImage black(2, 2, Rgb{0, 0, 0});
  EXPECT_EQ(*CountPictureColours(testing::GifFile(black, false)), 1u);
  EXPECT_EQ(*CountPictureColours(testing::GifFile(black, false, 4, 2)), 2u);
}

}  // namespace
}  // namespace vorlune
