#include <gtest/gtest.h>

#include "core/byte_order.h"
#include "image/background_import.h"
#include "project/project_file.h"

namespace vorlune {
namespace {

// A 320 x 320 BMP of the given depth (4 or 24) with a 40-byte information header.
std::vector<std::uint8_t> PictureFile(int bits) {
  const std::uint32_t table = bits == 4 ? 16 * 4 : 0;
  const std::uint32_t rowBytes = 320 * bits / 8;
  const std::uint32_t offset = 54 + table;
  std::vector<std::uint8_t> file(offset + rowBytes * 320, 0);
  file[0] = 'B';
  file[1] = 'M';
  WriteLE32(&file[2], static_cast<std::uint32_t>(file.size()));
  WriteLE32(&file[10], offset);
  WriteLE32(&file[14], 40);
  WriteLE32(&file[18], 320);
  WriteLE32(&file[22], 320);
  WriteLE16(&file[26], 1);
  WriteLE16(&file[28], static_cast<std::uint16_t>(bits));
  for (std::uint32_t i = 0; i < table / 4; ++i) {
    file[54 + 4 * i] = static_cast<std::uint8_t>(i * 16);
    file[55 + 4 * i] = static_cast<std::uint8_t>(255 - i * 16);
    file[56 + 4 * i] = static_cast<std::uint8_t>(i * 5);
  }
  for (std::uint32_t y = 0; y < 320; ++y) {
    for (std::uint32_t b = 0; b < rowBytes; ++b)
      file[offset + y * rowBytes + b] = static_cast<std::uint8_t>((b * 7 + y * 3) ^ (y >> 2));
  }
  return file;
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
