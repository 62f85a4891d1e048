#include "image/prefilter_true_color.h"

#include <gtest/gtest.h>

#include "image/import_support.h"

namespace vorlune {
namespace {

// Bottom-up blue, green, red rows of a 320 x 320 picture, left half one
// colour and right half another.
std::vector<std::uint8_t> Halves(Rgb left, Rgb right) {
  return testing::TrueColorPixels([&](int x, int) { return x < 160 ? left : right; });
}

Rgb PixelAt(const std::vector<std::uint8_t>& bgr, int x, int row) {
  const std::size_t at = (static_cast<std::size_t>(row) * 320 + x) * 3;
  return Rgb{bgr[at + 2], bgr[at + 1], bgr[at]};
}

TEST(PrefilterTrueColor, BrightnessStepShiftsThePixelAfterIt) {
  // Blue 0 stays 0 through the diffusion, so d is -(299r + 587g + 114b) / 2000:
  // 0 on the left, -74 on the right, and the first right pixel moves by
  // delta = 74: red + 22, green + 43 (limited to 255), blue + 8.
  auto bgr = Halves({0, 0, 0}, {0, 255, 0});
  PrefilterTrueColor(bgr.data(), 320, 320);
  for (int row : {0, 100, 319}) {
    EXPECT_EQ(PixelAt(bgr, 159, row), (Rgb{0, 0, 0}));
    EXPECT_EQ(PixelAt(bgr, 160, row), (Rgb{22, 255, 8}));
    EXPECT_EQ(PixelAt(bgr, 161, row), (Rgb{0, 255, 0}));
    EXPECT_EQ(PixelAt(bgr, 0, row), (Rgb{0, 0, 0}));
  }
}

TEST(PrefilterTrueColor, CorrectionsTruncateTowardZero) {
  // d = -77 on the left and -48 on the right: delta = -29, so red moves by
  // 299 * -29 / 1000 = -8 (not -9) and green by -17 (not -18).
  auto bgr = Halves({128, 200, 0}, {128, 100, 0});
  PrefilterTrueColor(bgr.data(), 320, 320);
  EXPECT_EQ(PixelAt(bgr, 160, 7), (Rgb{120, 83, 0}));
  EXPECT_EQ(PixelAt(bgr, 161, 7), (Rgb{128, 100, 0}));
}

TEST(PrefilterTrueColor, SingleColoursPassUnchanged) {
  for (Rgb colour : {Rgb{100, 150, 200}, Rgb{3, 252, 11}, Rgb{200, 50, 27}, Rgb{255, 255, 255}}) {
    auto bgr = testing::TrueColorPixels([&](int, int) { return colour; });
    const auto before = bgr;
    PrefilterTrueColor(bgr.data(), 320, 320);
    EXPECT_EQ(bgr, before);
  }
}

TEST(PrefilterTrueColor, IsSkippedWithoutStorage) {
  const std::size_t limit = DmatrixStorageLimit();
  SetDmatrixStorageLimit(1000);  // the error lines fit, the picture does not
  auto bgr = Halves({0, 0, 0}, {0, 255, 0});
  const auto before = bgr;
  DmatrixMessages messages;
  PrefilterTrueColor(bgr.data(), 320, 320, &messages);
  EXPECT_EQ(bgr, before);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "allocdmatrix error\n");

  testing::TestBmp bmp;
  bmp.pixels = Halves({0, 0, 0}, {0, 255, 0});
  const auto imported = ImportBackground(bmp.Bytes());
  SetDmatrixStorageLimit(limit);
  ASSERT_TRUE(imported.ok());
  ASSERT_EQ(imported->warnings.size(), 1u);
  EXPECT_EQ(imported->warnings[0].text, "allocdmatrix error\n");
  // Without the pre-filter the column after the step keeps its own colour.
  const auto filtered = testing::Imported(bmp);
  EXPECT_TRUE(filtered.warnings.empty());
  EXPECT_EQ(testing::ReducedPixel(*imported, 160, 0), testing::ReducedPixel(*imported, 161, 0));
  EXPECT_NE(testing::ReducedPixel(filtered, 160, 0), testing::ReducedPixel(filtered, 161, 0));
}

}  // namespace
}  // namespace vorlune
