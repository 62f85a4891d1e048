#include "image/picture_decoding.h"

#include <gtest/gtest.h>
#include <lcms2.h>
#include <zlib.h>

#include <cstdlib>

#include "core/byte_order.h"
#include "support/picture_encoders.h"

namespace vorlune {
namespace {

using testing::Opaque;

// Distinct colours everywhere, so that any misplaced pixel shows.
RgbImage Pattern(int w, int h) {
  RgbImage image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      image.set(x, y,
                Rgb{static_cast<std::uint8_t>(x * 37), static_cast<std::uint8_t>(y * 53),
                    static_cast<std::uint8_t>((x + y) * 11)});
  return image;
}

int LargestDifference(const RgbImage& a, const RgbImage& b) {
  int largest = 0;
  for (std::size_t i = 0; i < a.rgb.size(); ++i) largest = std::max(largest, std::abs(a.rgb[i] - b.rgb[i]));
  return largest;
}

TEST(PictureDecoding, EveryFormatGivesThePicture) {
  const RgbImage picture = Pattern(13, 7);
  const struct {
    const char* format;
    std::vector<std::uint8_t> file;
    bool lossless;  // else only the size is compared
  } cases[] = {
      {"PNG", testing::PngFile(Opaque(picture)), true}, {"WebP", testing::WebpFile(Opaque(picture)), true},
      {"GIF", testing::GifFile(picture), true},         {"TIFF", testing::TiffFile(picture), true},
      {"BMP", testing::BmpFile(picture), true},         {"JPEG", testing::JpegFile(picture), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    const auto decoded = DecodePicture(c.file);
    ASSERT_TRUE(decoded.ok()) << decoded.error().text;
    EXPECT_EQ(decoded->facts.format, c.format);
    ASSERT_EQ(decoded->image.width, 13);
    ASSERT_EQ(decoded->image.height, 7);
    if (c.lossless) {
      EXPECT_EQ(LargestDifference(decoded->image, picture), 0);
    }
    const auto facts = InspectPicture(c.file);
    ASSERT_TRUE(facts.ok());
    EXPECT_EQ(facts->width, 13);
  }
}

TEST(PictureDecoding, OrientationTurnsThePictureUpright) {
  // Stored 4 x 2 with a marked top-left pixel; where the mark ends up in the
  // upright picture for each orientation, and the upright size.
  RgbImage stored(4, 2, Rgb{0, 0, 0});
  stored.set(0, 0, Rgb{255, 255, 255});
  const struct {
    int orientation, w, h, markX, markY;
  } cases[] = {{1, 4, 2, 0, 0}, {2, 4, 2, 3, 0}, {3, 4, 2, 3, 1}, {4, 4, 2, 0, 1},
               {5, 2, 4, 0, 0}, {6, 2, 4, 1, 0}, {7, 2, 4, 1, 3}, {8, 2, 4, 0, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    const auto png =
        testing::PngFile(Opaque(stored), {{"eXIf", [&] {
                                             auto exif = testing::ExifWithOrientation(c.orientation);
                                             return std::vector<std::uint8_t>(exif.begin() + 6, exif.end());
                                           }()}});
    const auto decoded = DecodePicture(png);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded->facts.orientation, c.orientation);
    ASSERT_EQ(decoded->image.width, c.w);
    ASSERT_EQ(decoded->image.height, c.h);
    EXPECT_EQ(decoded->image.at(c.markX, c.markY), (Rgb{255, 255, 255}));
  }
  // A JPEG carries it in its APP1 segment.
  const auto jpeg = DecodePicture(testing::JpegFile(Pattern(16, 8), testing::ExifWithOrientation(6)));
  ASSERT_TRUE(jpeg.ok());
  EXPECT_EQ(jpeg->image.width, 8);
  EXPECT_EQ(jpeg->image.height, 16);
}

TEST(PictureDecoding, EmbeddedProfileIsConvertedToSrgb) {
  // A profile with sRGB's primaries but linear tones: its mid-grey is sRGB's 188.
  cmsToneCurve* linear = cmsBuildGamma(nullptr, 1.0);
  cmsToneCurve* curves[3] = {linear, linear, linear};
  cmsCIExyY white;
  cmsWhitePointFromTemp(&white, 6504);
  const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1}, {0.30, 0.60, 1}, {0.15, 0.06, 1}};
  cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
  cmsUInt32Number size = 0;
  cmsSaveProfileToMem(profile, nullptr, &size);
  std::vector<std::uint8_t> icc(size);
  cmsSaveProfileToMem(profile, icc.data(), &size);
  cmsCloseProfile(profile);
  cmsFreeToneCurve(linear);
  std::vector<std::uint8_t> chunk{'l', 'i', 'n', 0, 0};
  uLongf packedSize = compressBound(static_cast<uLong>(icc.size()));
  std::vector<std::uint8_t> packed(packedSize);
  compress(packed.data(), &packedSize, icc.data(), static_cast<uLong>(icc.size()));
  chunk.insert(chunk.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));

  const auto decoded =
      DecodePicture(testing::PngFile(Opaque(RgbImage(2, 2, Rgb{128, 128, 128})), {{"iCCP", chunk}}));
  ASSERT_TRUE(decoded.ok());
  EXPECT_TRUE(decoded->facts.hasProfile);
  EXPECT_NEAR(decoded->image.at(1, 1).g, 188, 2);
}

TEST(PictureDecoding, TransparencyIsLaidOverTheMatte) {
  testing::RgbaImage image{3, 1, {200, 100, 0, 255, 200, 100, 0, 0, 200, 100, 0, 128}};
  const Rgb matte{0, 0, 255};
  for (const auto& file : {testing::PngFile(image), testing::WebpFile(image)}) {
    const auto decoded = DecodePicture(file, matte);
    ASSERT_TRUE(decoded.ok());
    EXPECT_TRUE(decoded->facts.hasAlpha);
    EXPECT_EQ(decoded->image.at(0, 0), (Rgb{200, 100, 0}));
    EXPECT_EQ(decoded->image.at(1, 0), matte);
    EXPECT_EQ(decoded->image.at(2, 0), (Rgb{100, 50, 127}));
  }
  RgbImage indexed(2, 1, Rgb{9, 9, 9});
  indexed.set(1, 0, Rgb{50, 60, 70});
  const auto gif = DecodePicture(testing::GifFile(indexed, 1), matte);  // table entry 1 is (50, 60, 70)
  ASSERT_TRUE(gif.ok());
  EXPECT_EQ(gif->image.at(0, 0), (Rgb{9, 9, 9}));
  EXPECT_EQ(gif->image.at(1, 0), matte);
}

TEST(PictureDecoding, RefusesNonPicturesDamagedFilesAndHugeOnesFromTheHeader) {
  const std::vector<std::uint8_t> text{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!'};
  EXPECT_EQ(DecodePicture(text).error(), NotAPictureMessage());
  EXPECT_EQ(DecodePicture({}).error(), NotAPictureMessage());

  const auto png = testing::PngFile(Opaque(Pattern(40, 40)));
  const auto jpeg = testing::JpegFile(Pattern(40, 40));
  for (const auto& whole : {png, jpeg, testing::GifFile(Pattern(40, 40)), testing::TiffFile(Pattern(40, 40)),
                            testing::WebpFile(Opaque(Pattern(40, 40)))}) {
    const std::vector<std::uint8_t> cut(whole.begin(),
                                        whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
    const auto refused = DecodePicture(cut);
    ASSERT_FALSE(refused.ok()) << SniffPictureFormat(whole);
    EXPECT_EQ(refused.error().text.rfind("Error : this ", 0), 0u) << refused.error().text;
  }

  // Sizes are taken from the header: 30,001 on a side, and just over 100 megapixels.
  for (const auto& [w, h] : {std::pair{30001u, 1u}, {10001u, 10000u}}) {
    auto big = png;
    big[16] = static_cast<std::uint8_t>(w >> 24), big[17] = static_cast<std::uint8_t>(w >> 16);
    big[18] = static_cast<std::uint8_t>(w >> 8), big[19] = static_cast<std::uint8_t>(w);
    big[20] = static_cast<std::uint8_t>(h >> 24), big[21] = static_cast<std::uint8_t>(h >> 16);
    big[22] = static_cast<std::uint8_t>(h >> 8), big[23] = static_cast<std::uint8_t>(h);
    EXPECT_EQ(DecodePicture(big).error(), PictureTooLargeMessage());
  }
  auto bmp = testing::BmpFile(Pattern(4, 4));
  WriteLE32(&bmp[18], 30001);
  EXPECT_EQ(DecodePicture(bmp).error(), PictureTooLargeMessage());
}

}  // namespace
}  // namespace vorlune
