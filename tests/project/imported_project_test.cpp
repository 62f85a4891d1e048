#include <gtest/gtest.h>

#include "image/background_import.h"
#include "project/project_file.h"
#include "support/bmp_builder.h"

namespace vorlune {
namespace {

// A 320 x 320 BMP of the given depth (4 or 24).
std::vector<std::uint8_t> PictureFile(int bits) {
  testing::TestBmp bmp;
  if (bits == 4) {
    bmp.bitsPerPixel = 4;
    bmp.table = testing::DistinctColours(16);
    bmp.pixels = testing::PackIndexes(
        4, [](int x, int row) { return static_cast<std::uint8_t>((x * 7 + row * 3) % 16); });
  } else {
    bmp.pixels = testing::TrueColorPixels([](int x, int row) {
      return Rgb{static_cast<std::uint8_t>(x * 7 + row), static_cast<std::uint8_t>(row * 3),
                 static_cast<std::uint8_t>(x ^ row)};
    });
  }
  return bmp.Bytes();
}

// A project saved right after an import loads back into the same background
// forms and palette that the import made.
class ImportedProject : public ::testing::TestWithParam<int> {};

TEST_P(ImportedProject, LoadsIntoTheFormsTheImportMade) {
  const auto imported = ImportBackground(PictureFile(GetParam()));
  ASSERT_TRUE(imported.ok()) << imported.error().text;
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, *imported);

  const auto file = WriteProjectFile(layout);
  ASSERT_EQ(file.size(), 103766u);
  const auto loaded = ReadProjectFile(file);
  ASSERT_TRUE(loaded.ok()) << loaded.error().text;
  EXPECT_EQ(loaded->reducedBmp, layout.reducedBmp);
  EXPECT_EQ(loaded->picture, layout.picture);
  EXPECT_EQ(loaded->palette, layout.palette);
  EXPECT_EQ(loaded->pictureColorsUsed, layout.pictureColorsUsed);
  EXPECT_EQ(loaded->pixelOffset, 910u);
  EXPECT_EQ(WriteProjectFile(*loaded), file);
}

INSTANTIATE_TEST_SUITE_P(Depths, ImportedProject, ::testing::Values(4, 24));

}  // namespace
}  // namespace vorlune
