// Decoding and importing pictures of every format: the fuzzing corpus (and the
// first half of each of its files) against golden SHA-256, and what a golden
// cannot show: fitting and reduction (orientation and profiles:
// reduced_decoding_test).
#include "image/picture_import.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>

#include "core/byte_order.h"
#include "image/average_edge_colour.h"
#include "image/convert_background.h"
#include "image/fine_reduction.h"
#include "image/picture_decoding.h"
#include "image/picture_files_support.h"
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

// Left half red, right half blue.
RgbImage Halves(int w, int h) {
  RgbImage image(w, h, Rgb{255, 0, 0});
  for (int y = 0; y < h; ++y)
    for (int x = w / 2; x < w; ++x) image.set(x, y, Rgb{0, 0, 255});
  return image;
}

// A photograph-like picture: smooth gradients with a texture, far more than 214 colours.
RgbImage Smooth() {
  RgbImage image(320, 320);
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x)
      image.set(x, y,
                Rgb{static_cast<std::uint8_t>(x * 255 / 319), static_cast<std::uint8_t>(y * 255 / 319),
                    static_cast<std::uint8_t>((x * y / 7 + (x ^ y) % 13) & 0xFF)});
  return image;
}

// The picture the handheld shows: each pixel's colour from the reduced table.
RgbImage Shown(const IndexedPicture& p) {
  RgbImage image(320, 320);
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 320; ++x)
      image.set(x, y, p.palette[p.pixels[std::size_t(319 - y) * 320 + std::size_t(x)]]);
  return image;
}

TEST(PictureFitting, EachModePlacesThePictureAsPromised) {
  const Rgb red{255, 0, 0}, blue{0, 0, 255}, matte{0, 255, 0};
  const struct {
    FitMode mode;
    int x, y;
    Rgb expected;
  } probes[] = {
      // 640 x 320 picture: cover crops a quarter each side, contain leaves bars of 80 rows.
      {FitMode::Cover, 10, 160, red},      {FitMode::Cover, 150, 5, red},
      {FitMode::Cover, 170, 315, blue},    {FitMode::Contain, 160, 79, matte},
      {FitMode::Contain, 10, 81, red},     {FitMode::Contain, 310, 238, blue},
      {FitMode::Contain, 160, 240, matte}, {FitMode::Stretch, 150, 0, red},
      {FitMode::Stretch, 170, 319, blue},
  };
  const RgbImage wide = Halves(640, 320);
  for (const auto& p : probes) {
    const RgbImage fitted = FitPicture(wide, p.mode, matte);
    ASSERT_EQ(fitted.width, 320);
    ASSERT_EQ(fitted.height, 320);
    EXPECT_EQ(fitted.at(p.x, p.y), p.expected) << int(p.mode) << " at " << p.x << "," << p.y;
  }
  // Large reductions average: a fine checkerboard becomes an even grey.
  RgbImage checks(3200, 2400);
  for (int y = 0; y < 2400; ++y)
    for (int x = 0; x < 3200; ++x) checks.set(x, y, (x + y) % 2 ? Rgb{255, 255, 255} : Rgb{0, 0, 0});
  const Rgb grey = FitPicture(checks, FitMode::Cover).at(100, 100);
  EXPECT_NEAR(grey.r, 128, 1);
  // 320 x 320 is not resampled.
  const RgbImage same = Smooth();
  EXPECT_EQ(FitPicture(same, FitMode::Contain).rgb, same.rgb);
}

TEST(PictureFitting, CoverKeepsTheWindowNearestTheFocus) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct {
    int w, h;
    double fx, fy;
    CropWindow kept;
  } cases[] = {
      {640, 320, 0, 0, {0, 0, 320, 320}},
      {640, 320, 1, 1, {320, 0, 320, 320}},
      {640, 320, 0.5, 0.5, {160, 0, 320, 320}},
      {640, 320, 0.6, 0, {224, 0, 320, 320}},
      {640, 320, -1, 2, {0, 0, 320, 320}},
      {640, 320, 9, nan, {320, 0, 320, 320}},
      {320, 640, 0, 0, {0, 0, 320, 320}},
      {320, 640, 1, 1, {0, 320, 320, 320}},
      {320, 640, 0.4, 0.4, {0, 96, 320, 320}},
      {500, 500, 1, 0, {0, 0, 500, 500}},
      {1000, 1, 0, 1, {0, 0, 1, 1}},
      {1000, 1, 1, 0, {999, 0, 1, 1}},
      {1000, 1, 0.5, 0.5, {499.5, 0, 1, 1}},
      {1000, 1, nan, nan, {499.5, 0, 1, 1}},
      {1, 1000, 0.3, 0.3, {0, 299.5, 1, 1}},
  };
  for (const auto& c : cases) {
    const CropWindow kept = CoverCropWindow(c.w, c.h, {c.fx, c.fy});
    EXPECT_EQ((std::array{kept.x, kept.y, kept.width, kept.height}),
              (std::array{c.kept.x, c.kept.y, c.kept.width, c.kept.height}))
        << c.w << "x" << c.h << " at " << c.fx << "," << c.fy;
  }
  // The ends crop differently; the middle is the default's picture; contain ignores the focus.
  RgbImage wide = Halves(700, 300);
  for (int x = 0; x < 700; ++x) wide.set(x, 150, Rgb{static_cast<std::uint8_t>(x), 9, 9});
  const Rgb matte{0, 255, 0};
  EXPECT_NE(FitPicture(wide, FitMode::Cover, matte, {0, 0}).rgb,
            FitPicture(wide, FitMode::Cover, matte, {1, 1}).rgb);
  EXPECT_EQ(FitPicture(wide, FitMode::Cover, matte, {0.5, 0.5}).rgb, FitPicture(wide, FitMode::Cover).rgb);
  EXPECT_EQ(FitPicture(wide, FitMode::Contain, matte, {0, 1}).rgb,
            FitPicture(wide, FitMode::Contain, matte).rgb);
}

// Only the outermost pixels count, each once, rounded.
TEST(AverageEdgeColour, IsTheMeanOfTheOutermostPixels) {
  RgbImage framed(10, 10, Rgb{255, 0, 0});
  for (int i = 0; i < 10; ++i)
    for (const auto& [x, y] : {std::pair(i, 0), {i, 9}, {0, i}}) framed.set(x, y, Rgb{0, 0, 0});
  for (int y = 0; y < 10; ++y) framed.set(9, y, Rgb{255, 255, 255});
  EXPECT_EQ(AverageEdgeColour(framed), (Rgb{71, 71, 71}));  // 10 of 36 white: 70.8
  EXPECT_EQ(AverageEdgeColour(RgbImage(1, 3, Rgb{1, 2, 3})), (Rgb{1, 2, 3}));
  EXPECT_EQ(AverageEdgeColour(RgbImage()), (Rgb{255, 255, 255}));
}

TEST(FineReduction, SmoothPictureGivesItsGoldenBytes) {
  for (bool dither : {true, false}) {
    const ImportedBackground reduced = ReduceFittedPicture(Smooth(), ReductionKind::Fine, dither);
    EXPECT_GT(reduced.colorsUsed, 200u);
    EXPECT_GOLDEN(dither ? "smooth dithered" : "smooth", reduced.reducedBmp);
  }
}

TEST(FineReduction, PictureOfFewColoursComesOutUnchanged) {
  for (int count : {1, 2, 214}) {
    SCOPED_TRACE(count);
    RgbImage picture(320, 320);
    for (int y = 0; y < 320; ++y)
      for (int x = 0; x < 320; ++x) {
        const int n = (x * 7 + y * 3) % count;
        picture.set(x, y,
                    Rgb{static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(255 - n),
                        static_cast<std::uint8_t>(n * 3)});
      }
    const IndexedPicture reduced = ReduceFinely(picture, true);
    EXPECT_EQ(reduced.colorsUsed, static_cast<std::uint32_t>(count));
    EXPECT_EQ(Shown(reduced).rgb, picture.rgb);
  }
}

TEST(PictureImport, FormsAreThoseOfAnEightBitPictureKeptWithItsTable) {
  const auto file = testing::PngFile(testing::Opaque(Halves(320, 320)));
  const auto imported = ImportPicture(file, {});
  ASSERT_TRUE(imported.ok());
  EXPECT_EQ(imported->bitsPerPixel, 8u);
  EXPECT_EQ(imported->colorsUsed, 2u);
  EXPECT_FALSE(imported->reductionNoticeDue);
  EXPECT_EQ(imported->reducedBmp.size(), kReducedBmpSize);
  EXPECT_EQ(imported->picture, DisplayFormOf(imported->reducedBmp));
  EXPECT_EQ(imported->palette, SkinPaletteOf(imported->reducedBmp));

  // Classic: the fitted picture through the 24-bit BMP import, unchanged.
  PictureImportOptions classic;
  classic.reduction = ReductionKind::Classic;
  const RgbImage fitted = Halves(320, 320);
  const auto viaBmp = ImportBackground(TrueColorBmpOf(fitted));
  ASSERT_TRUE(viaBmp.ok());
  EXPECT_EQ(ImportPicture(file, classic)->reducedBmp, viaBmp->reducedBmp);
  EXPECT_EQ(ImportPicture(std::vector<std::uint8_t>{1, 2, 3}, {}).error(), NotAPictureMessage());
}

}  // namespace
}  // namespace vorlune
