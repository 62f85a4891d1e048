#include <gtest/gtest.h>

#include "image/import_support.h"

namespace vorlune {
namespace {

using testing::Imported;
using testing::PackIndexes;
using testing::ReducedEntry;
using testing::ReducedPixel;
using testing::TestBmp;

TestBmp Indexed(unsigned bits, std::vector<Rgb> table, std::uint32_t colorsUsed,
                std::uint8_t (*index)(int x, int row)) {
  TestBmp bmp;
  bmp.bitsPerPixel = static_cast<std::uint16_t>(bits);
  bmp.table = std::move(table);
  bmp.colorsUsed = colorsUsed;
  bmp.pixels = PackIndexes(bits, index);
  return bmp;
}

std::uint8_t Checker(int x, int row) {
  return static_cast<std::uint8_t>((x * 7 + row) % 2);
}
std::uint8_t Inverted(int x, int row) {
  return static_cast<std::uint8_t>(1 - Checker(x, row));
}
std::uint8_t Quarters(int x, int row) {
  return static_cast<std::uint8_t>((x + row) % 4);
}
std::uint8_t Sixteenths(int x, int row) {
  return static_cast<std::uint8_t>((x * 3 + row) % 16);
}

void ExpectPixels(const ImportedBackground& b, std::uint8_t (*index)(int, int)) {
  for (int row = 0; row < 320; ++row) {
    for (int x = 0; x < 320; ++x) ASSERT_EQ(ReducedPixel(b, x, row), index(x, row)) << x << "," << row;
  }
}

void ExpectBlackFrom(const ImportedBackground& b, int first) {
  for (int n = first; n < 214; ++n) ASSERT_EQ(ReducedEntry(b, n), Rgb{}) << n;
}

TEST(IndexedDecoding, OneBitIsBlackAndWhiteWhateverItsColours) {
  const auto dark = Imported(Indexed(1, {{0, 0, 0}, {200, 30, 40}}, 0, Checker));
  ExpectPixels(dark, Checker);
  EXPECT_EQ(ReducedEntry(dark, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(ReducedEntry(dark, 1), (Rgb{255, 255, 255}));
  ExpectBlackFrom(dark, 2);
  EXPECT_EQ(dark.colorsUsed, 2u);
  EXPECT_FALSE(dark.reductionNoticeDue);

  // A light entry 0 inverts the bits, so both pictures look the same.
  const auto light = Imported(Indexed(1, {{255, 255, 255}, {0, 0, 0}}, 0, Inverted));
  EXPECT_EQ(light.reducedBmp, dark.reducedBmp);

  // Entry 0 counts as light only when none of its components is zero.
  ExpectPixels(Imported(Indexed(1, {{1, 1, 1}, {0, 0, 0}}, 0, Inverted)), Checker);
  ExpectPixels(Imported(Indexed(1, {{255, 0, 255}, {0, 0, 0}}, 0, Checker)), Checker);

  const auto stated = Imported(Indexed(1, {{0, 0, 0}, {9, 9, 9}}, 1, Checker));
  EXPECT_EQ(stated.colorsUsed, 1u);
}

// Two bits take the most significant pair first, four bits the high half; the
// table follows any information header and the pixels are found through their offset.
TEST(IndexedDecoding, TwoAndFourBitPicturesKeepTheirTableAndPixels) {
  const struct {
    unsigned bits;
    std::uint8_t (*index)(int, int);
    std::uint32_t infoSize;
    std::optional<std::uint32_t> pixelOffset;
  } cases[] = {
      {2, Quarters, 40, {}}, {4, Sixteenths, 40, {}}, {4, Sixteenths, 124, {}}, {4, Sixteenths, 40, 400}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bits * 1000 + c.infoSize);
    const auto table = testing::DistinctColours(1 << c.bits);
    TestBmp bmp = Indexed(c.bits, table, 0, c.index);
    bmp.infoSize = c.infoSize;
    bmp.pixelOffset = c.pixelOffset;
    bmp.fill = 0xAB;
    const auto b = Imported(bmp);
    ExpectPixels(b, c.index);
    for (int n = 0; n < (1 << c.bits); ++n) EXPECT_EQ(ReducedEntry(b, n), table[n]);
    ExpectBlackFrom(b, 1 << c.bits);
    EXPECT_EQ(b.colorsUsed, 1u << c.bits);
    EXPECT_EQ(b.bitsPerPixel, c.bits);
  }
  // A stated colour count shortens the table.
  const std::vector<Rgb> three{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
  const auto b = Imported(Indexed(2, three, 3, Quarters));
  EXPECT_EQ(ReducedEntry(b, 2), three[2]);
  ExpectBlackFrom(b, 3);
  EXPECT_EQ(b.colorsUsed, 3u);
}

TEST(IndexedDecoding, EightBitPictureOfUpTo214ColoursIsKept) {
  const auto table = testing::DistinctColours(5);
  const auto b = Imported(Indexed(8, table, 5, [](int x, int) { return static_cast<std::uint8_t>(x % 7); }));
  for (int x = 0; x < 320; ++x) EXPECT_EQ(ReducedPixel(b, x, 3), x % 7);
  for (int n = 0; n < 5; ++n) EXPECT_EQ(ReducedEntry(b, n), table[n]);
  ExpectBlackFrom(b, 5);  // numbers 5 and 6 show black
  EXPECT_EQ(b.colorsUsed, 5u);
  EXPECT_FALSE(b.reductionNoticeDue);
}

TEST(ReducedOutput, HeaderDisplayFormAndPalette) {
  const auto table = testing::DistinctColours(16);
  const auto b = Imported(Indexed(4, table, 0, Sixteenths));
  ASSERT_EQ(b.reducedBmp.size(), 103310u);
  const std::vector<std::uint8_t> header{
      'B',  'M',  0x90, 0x93, 0x01, 0,    0, 0, 0, 0, 0x8E, 0x03, 0, 0,  // size 103,312, pixels at 910
      40,   0,    0,    0,                                               // biSize
      0x40, 1,    0,    0,    0x40, 1,    0, 0,                          // 320 x 320
      1,    0,    8,    0,                                               // planes, bits
      0,    0,    0,    0,    0,    0,    0, 0,                          // compression, image size
      0x12, 0x0B, 0,    0,    0x12, 0x0B, 0, 0,                          // 2,834 pixels per metre
      214,  0,    0,    0,    214,  0,    0, 0};                         // colours used, important
  EXPECT_EQ(std::vector<std::uint8_t>(b.reducedBmp.begin(), b.reducedBmp.begin() + 54), header);
  for (int n = 0; n < 214; ++n) EXPECT_EQ(b.reducedBmp[54 + 4 * n + 3], 0);

  ASSERT_EQ(b.picture.size(), 103310u);
  EXPECT_TRUE(std::equal(b.picture.begin(), b.picture.begin() + 910, b.reducedBmp.begin()));
  // The display form runs top row first with skin palette indices.
  EXPECT_EQ(b.picture[910], Sixteenths(0, 319) + 17);
  for (int row = 0; row < 320; ++row) {
    for (int x = 0; x < 320; ++x) {
      ASSERT_EQ(b.picture[910 + row * 320 + x], ReducedPixel(b, x, 319 - row) + 17);
    }
  }
  EXPECT_EQ(b.pixelOffset, 910u);

  EXPECT_EQ(b.palette[0], (Rgb{0, 0, 0}));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(b.palette[1 + i], kPickerColors[i]);
  for (int n = 0; n < 214; ++n) EXPECT_EQ(b.palette[17 + n], ReducedEntry(b, n));
  for (int i = 231; i < 256; ++i) EXPECT_EQ(b.palette[i], (Rgb{0, 0, 0}));

  const auto temporary = TemporaryPictureFileBytes(b.reducedBmp);
  ASSERT_EQ(temporary.size(), 103312u);
  EXPECT_EQ(temporary[103310], 0);
  EXPECT_EQ(temporary[103311], 0);
}

TEST(ReducedOutput, OnlyTheFirstImportResetsThePlacedCount) {
  SkinLayout layout = NewSkinLayout();
  layout.placedCount = 7;
  const auto first = Imported(Indexed(4, testing::DistinctColours(16), 0, Sixteenths));
  ApplyImportedBackground(layout, first);
  EXPECT_TRUE(layout.backgroundLoaded);
  EXPECT_EQ(layout.placedCount, 0u);
  EXPECT_EQ(layout.temporaryPictureSize, 103310u);
  EXPECT_EQ(layout.pixelOffset, 910u);
  EXPECT_EQ(layout.pictureColorsUsed, 16u);
  EXPECT_EQ(layout.pictureBitsPerPixel, 4u);
  EXPECT_EQ(layout.reducedBmp, first.reducedBmp);

  layout.part(1).x = 10;
  layout.part(1).y = 20;
  layout.placedCount = 1;
  const auto second = Imported(Indexed(2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {9, 9, 9}}, 0, Quarters));
  ApplyImportedBackground(layout, second);
  EXPECT_EQ(layout.placedCount, 1u);
  EXPECT_TRUE(layout.placed(1));
  EXPECT_EQ(layout.palette, second.palette);
  EXPECT_EQ(layout.picture, second.picture);
}

}  // namespace
}  // namespace vorlune
