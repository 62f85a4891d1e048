// Decoding and importing pictures of every format: the fuzzing corpus (and the
// first half of each of its files) against golden SHA-256, and what a golden
// cannot show: orientation, profiles and the size limits.
#include "image/picture_decoding.h"

#include <gtest/gtest.h>
#include <lcms2.h>
#include <zlib.h>

#include <filesystem>

#include "core/byte_order.h"
#include "image/picture_import.h"
#include "support/golden.h"
#include "support/picture_encoders.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

using testing::Opaque;
using Bytes = std::vector<std::uint8_t>;

// The decoded picture and its facts, then the fine import's reduced BMP; or the message.
Bytes Outcome(std::span<const std::uint8_t> file, bool dither) {
  const auto decoded = DecodePicture(file);
  if (!decoded.ok()) return Bytes(decoded.error().text.begin(), decoded.error().text.end());
  const PictureFacts& facts = decoded->facts;
  Bytes out(facts.format.begin(), facts.format.end());
  for (int value : {facts.width, facts.height, facts.orientation, int(facts.hasProfile), int(facts.hasAlpha),
                    decoded->image.width, decoded->image.height})
    AppendBE32(out, static_cast<std::uint32_t>(value));
  out.insert(out.end(), decoded->image.rgb.begin(), decoded->image.rgb.end());
  PictureImportOptions options;
  options.dither = dither;
  const auto imported = ImportPicture(file, options);
  EXPECT_TRUE(imported.ok());
  if (imported.ok()) out.insert(out.end(), imported->reducedBmp.begin(), imported->reducedBmp.end());
  return out;
}

TEST(PictureDecoding, CorpusAndItsHalvesGiveTheirGoldenOutcomes) {
  for (const auto& entry :
       std::filesystem::directory_iterator(VORLUNE_TEST_DATA "/fuzz/corpus/picture_import")) {
    const std::string name = entry.path().filename().string();
    const Bytes file = testing::ReadBytes(entry.path());
    EXPECT_EQ(InspectPicture(file).ok(), DecodePicture(file).ok()) << name;
    EXPECT_GOLDEN("corpus " + name, Outcome(file, name.size() % 2 == 0));
    EXPECT_GOLDEN("half " + name, Outcome(std::span(file).first(file.size() / 2), true));
  }
  EXPECT_EQ(DecodePicture(Bytes{'h', 'e', 'l', 'l', 'o'}).error(), NotAPictureMessage());
  EXPECT_EQ(DecodePicture({}).error(), NotAPictureMessage());
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
    const auto exif = testing::ExifWithOrientation(c.orientation);
    const auto decoded =
        DecodePicture(testing::PngFile(Opaque(stored), {{"eXIf", Bytes(exif.begin() + 6, exif.end())}}));
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded->facts.orientation, c.orientation);
    ASSERT_EQ(decoded->image.width, c.w);
    ASSERT_EQ(decoded->image.height, c.h);
    EXPECT_EQ(decoded->image.at(c.markX, c.markY), (Rgb{255, 255, 255}));
  }
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
  Bytes icc(size);
  cmsSaveProfileToMem(profile, icc.data(), &size);
  cmsCloseProfile(profile);
  cmsFreeToneCurve(linear);
  Bytes chunk{'l', 'i', 'n', 0, 0};
  uLongf packedSize = compressBound(static_cast<uLong>(icc.size()));
  Bytes packed(packedSize);
  compress(packed.data(), &packedSize, icc.data(), static_cast<uLong>(icc.size()));
  chunk.insert(chunk.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));

  const auto decoded =
      DecodePicture(testing::PngFile(Opaque(RgbImage(2, 2, Rgb{128, 128, 128})), {{"iCCP", chunk}}));
  ASSERT_TRUE(decoded.ok());
  EXPECT_TRUE(decoded->facts.hasProfile);
  EXPECT_NEAR(decoded->image.at(1, 1).g, 188, 2);
}

TEST(PictureDecoding, HugePicturesAreRefusedFromTheHeader) {
  EXPECT_TRUE(PictureSizeAllowed(30000, 1));
  EXPECT_TRUE(PictureSizeAllowed(10000, 10000));
  // 30,001 on a side, and just over 100 megapixels.
  for (const auto& [w, h] : {std::pair{30001u, 1u}, {10001u, 10000u}}) {
    auto png = testing::PngFile(Opaque(RgbImage(4, 4)));
    png[16] = static_cast<std::uint8_t>(w >> 24), png[17] = static_cast<std::uint8_t>(w >> 16);
    png[18] = static_cast<std::uint8_t>(w >> 8), png[19] = static_cast<std::uint8_t>(w);
    png[20] = static_cast<std::uint8_t>(h >> 24), png[21] = static_cast<std::uint8_t>(h >> 16);
    png[22] = static_cast<std::uint8_t>(h >> 8), png[23] = static_cast<std::uint8_t>(h);
    EXPECT_EQ(DecodePicture(png).error(), PictureTooLargeMessage());
  }
  auto bmp = testing::ReadBytes(VORLUNE_TEST_DATA "/fuzz/corpus/picture_import/odd.bmp");
  WriteLE32(&bmp[18], 30001);
  EXPECT_EQ(DecodePicture(bmp).error(), PictureTooLargeMessage());
}

}  // namespace
}  // namespace vorlune
