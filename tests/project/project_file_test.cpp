#include "project/project_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "core/byte_order.h"
#include "project/project_file_format.h"
#include "project/project_messages.h"
#include "support/synthetic_layout.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

using testing::Place;
using testing::SyntheticLayout;
namespace f = project_format;

constexpr std::size_t kBody = 12 + 910;  // the pixel rows of a file with H = 910

std::size_t RowAt(PartKind k) {
  return kBody + f::kRows + static_cast<std::size_t>(k) * f::kRowSize;
}

void PutBE32(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value) {
  std::vector<std::uint8_t> bytes;
  AppendBE32(bytes, value);
  std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

void PutRow(std::vector<std::uint8_t>& file, PartKind k, std::int32_t x, std::int32_t y) {
  PutBE32(file, RowAt(k), static_cast<std::uint32_t>(x));
  PutBE32(file, RowAt(k) + 4, static_cast<std::uint32_t>(y));
}

SkinLayout WorkedLayout() {
  SkinLayout layout = SyntheticLayout();
  Place(layout, 1, 0, 1, {kNoColor, kNoColor, kNoColor});
  Place(layout, 2, 38, 1, {3, 5, kNoColor});
  Place(layout, 14, 150, 180, {6, 14, kNoColor});
  Place(layout, 17, 0, 100, {6, 14, 9});
  Place(layout, 27, 10, 40, {14, kNoColor, kNoColor});
  layout.part(21).colors = {2, kNoColor, kNoColor};  // removed earlier, keeps its colour
  // Texts with leftovers of longer, earlier texts after their terminators.
  std::memcpy(layout.databaseName.data(), "MySkin\0old-name-that-was-longer", 32);
  std::memcpy(layout.databaseAuthor.data(), "\x83\x66\x81\x5b\x83\x5e\0XY", 10);
  std::memcpy(layout.databaseVersion.data(),
              "12\0"
              "456",
              6);
  return layout;
}

TEST(ProjectFileWriter, LaysOutAnImportedProject) {
  const SkinLayout layout = WorkedLayout();
  const auto file = WriteProjectFile(layout);
  ASSERT_EQ(file.size(), 103766u);
  EXPECT_EQ(ReadBE32(file, 0), 103310u);
  EXPECT_EQ(ReadBE32(file, 4), 910u);
  EXPECT_EQ(ReadBE32(file, 8), 214u);
  EXPECT_TRUE(std::equal(file.begin() + 12, file.begin() + 12 + 910, layout.picture.begin()));
  // The rows as in the BMP file, bottom row first.
  EXPECT_EQ(file[kBody], testing::SyntheticPixel(0, 319));
  EXPECT_EQ(file[kBody + 102399], testing::SyntheticPixel(319, 0));
  EXPECT_EQ(ReadBE16(file, kBody + f::kPlacedCount), 5);
  EXPECT_EQ(std::memcmp(&file[kBody + f::kName], "MySkin\0old-name-that-was-longer", 32), 0);
  EXPECT_EQ(std::memcmp(&file[kBody + f::kAuthor], "\x83\x66\x81\x5b\x83\x5e\0XY", 10), 0);
  EXPECT_EQ(std::memcmp(&file[kBody + f::kVersion],
                        "12\0"
                        "456",
                        6),
            0);

  const std::vector<std::uint8_t> row0(&file[RowAt(0)], &file[RowAt(0)] + 12);
  EXPECT_EQ(row0,
            std::vector<std::uint8_t>({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}));
  const std::vector<std::uint8_t> row2(&file[RowAt(2)], &file[RowAt(2)] + 12);
  EXPECT_EQ(row2, std::vector<std::uint8_t>({0, 0, 0, 38, 0, 0, 0, 1, 3, 5, 0xFF, 0}));
  EXPECT_EQ(ReadBE32(file, RowAt(14)), 150u);
  EXPECT_EQ(ReadBE32(file, RowAt(14) + 4), 180u);
}

TEST(ProjectFileReader, FillsTheLayoutAsTheLoadCommandDoesAndSavesTheSameBytes) {
  const SkinLayout original = WorkedLayout();
  const auto first = WriteProjectFile(original);
  const auto loaded = ReadProjectFile(first);
  ASSERT_TRUE(loaded.ok()) << loaded.error().text;
  EXPECT_EQ(WriteProjectFile(*loaded), first);
  const SkinLayout& layout = *loaded;
  EXPECT_TRUE(layout.backgroundLoaded);
  EXPECT_EQ(layout.pixelOffset, 910u);
  EXPECT_EQ(layout.temporaryPictureSize, 103310u);
  EXPECT_EQ(layout.pictureColorsUsed, 214u);
  EXPECT_EQ(layout.palette, original.palette);
  EXPECT_EQ(layout.picture, original.picture);        // display form: top-down, plus 17
  EXPECT_EQ(layout.reducedBmp, original.reducedBmp);  // the 103,310-byte temporary picture
  EXPECT_EQ(layout.placedCount, 5u);
  for (PartKind k = 0; k <= kLastKind; ++k) {
    EXPECT_EQ(layout.part(k).x, original.part(k).x) << k;
    EXPECT_EQ(layout.part(k).y, original.part(k).y) << k;
    EXPECT_EQ(layout.part(k).colors, original.part(k).colors) << k;
    EXPECT_EQ(layout.part(k).width, k == 0 ? 0 : KindInfo(k).width) << k;
    EXPECT_EQ(layout.part(k).height, k == 0 ? 0 : KindInfo(k).height) << k;
  }
  EXPECT_EQ(std::memcmp(layout.databaseName.data(), original.databaseName.data(), 32), 0);
  EXPECT_EQ(layout.databaseName[32], 0);
  EXPECT_EQ(std::memcmp(layout.databaseAuthor.data(), original.databaseAuthor.data(), 32), 0);
  EXPECT_EQ(std::memcmp(layout.databaseVersion.data(),
                        "12\0"
                        "456\0",
                        7),
            0);
}

// Fields the editor never writes so are read as they stand: full texts get a
// terminator after the field, colour bytes outside the picker mean none, the
// stored count is kept, and a row with both coordinates negative is not placed.
TEST(ProjectFileReader, TakesOddButHarmlessFieldsAsTheyAre) {
  auto file = WriteProjectFile(SyntheticLayout());
  std::memset(&file[kBody + f::kName], 'N', 32);
  std::memset(&file[kBody + f::kVersion], '9', 6);
  const std::uint8_t bytes[][3] = {{0, 15, 0xFF}, {16, 0x7F, 0x80}, {0xFE, 0xF0, 7}};
  for (int k = 1; k <= 3; ++k) std::memcpy(&file[RowAt(k) + 8], bytes[k - 1], 3);
  file[kBody + f::kPlacedCount + 1] = 7;
  PutRow(file, 1, 0, 1);
  PutRow(file, 5, -7, -300);
  const auto layout = ReadProjectFile(file);
  ASSERT_TRUE(layout.ok()) << layout.error().text;
  EXPECT_EQ(std::string(layout->databaseName.data()), std::string(32, 'N'));
  EXPECT_EQ(std::string(layout->databaseVersion.data()), "999999");
  EXPECT_EQ(layout->part(1).colors, (ColorTriple{0, 15, kNoColor}));
  EXPECT_EQ(layout->part(2).colors, (ColorTriple{kNoColor, kNoColor, kNoColor}));
  EXPECT_EQ(layout->part(3).colors, (ColorTriple{kNoColor, kNoColor, 7}));
  EXPECT_EQ(layout->placedCount, 7u);
  EXPECT_EQ(CountPlacedRows(*layout), 1);
  EXPECT_EQ(layout->part(5).x, -1);
  EXPECT_EQ(layout->part(5).y, -1);

  SkinLayout twoColours = SyntheticLayout();  // the palette takes C colours, black after them
  twoColours.pictureColorsUsed = 2;
  const auto loaded = ReadProjectFile(WriteProjectFile(twoColours));
  ASSERT_TRUE(loaded.ok());
  EXPECT_EQ(loaded->palette[16], (Rgb{255, 255, 255}));
  EXPECT_EQ(loaded->palette[18], testing::SyntheticColor(1));
  EXPECT_EQ(loaded->palette[19], (Rgb{0, 0, 0}));
  EXPECT_EQ(loaded->palette[255], (Rgb{0, 0, 0}));
}

// A project file whose header is H bytes long and whose table holds C colours.
std::vector<std::uint8_t> FileWithHeader(std::uint32_t headerLength, std::uint32_t colors) {
  SkinLayout layout = SyntheticLayout();
  layout.picture.resize(headerLength, 0);
  layout.reducedBmp.assign(headerLength + kPixelBytes, 0);
  layout.pixelOffset = headerLength;
  layout.pictureColorsUsed = colors;
  return WriteProjectFile(layout);
}

TEST(ProjectFileReader, AcceptsTheLimitsOfHeaderAndColourTable) {
  EXPECT_TRUE(ReadProjectFile(FileWithHeader(54, 0)).ok());
  EXPECT_TRUE(ReadProjectFile(FileWithHeader(206080, 214)).ok());
  const auto widest = ReadProjectFile(FileWithHeader(54 + 4 * 239, 239));
  ASSERT_TRUE(widest.ok());
  EXPECT_EQ(widest->reducedBmp.size(), 54u + 4 * 239 + kPixelBytes);
}

struct Damage {
  const char* what;
  std::function<std::vector<std::uint8_t>()> file;
  ProjectDamage expected;
};

class DamagedProject : public ::testing::TestWithParam<Damage> {};

std::vector<std::uint8_t> Changed(const std::function<void(std::vector<std::uint8_t>&)>& change) {
  auto file = WriteProjectFile(SyntheticLayout());
  change(file);
  return file;
}

const Damage kDamages[] = {
    {"one byte longer", [] { return Changed([](auto& f) { f.push_back(0); }); }, ProjectDamage::Length},
    {"one byte shorter", [] { return Changed([](auto& f) { f.pop_back(); }); }, ProjectDamage::Length},
    {"shorter than the numbers", [] { return std::vector<std::uint8_t>(11, 0); }, ProjectDamage::Length},
    {"empty", [] { return std::vector<std::uint8_t>(); }, ProjectDamage::Length},
    {"header length changed", [] { return Changed([](auto& f) { PutBE32(f, 4, 911); }); },
     ProjectDamage::Length},
    {"header below 54", [] { return FileWithHeader(53, 0); }, ProjectDamage::HeaderLength},
    {"header past the picture buffer", [] { return FileWithHeader(206081, 0); }, ProjectDamage::HeaderLength},
    {"header length near 2^32", [] { return Changed([](auto& f) { PutBE32(f, 4, 0xFFFFFFF0u); }); },
     ProjectDamage::HeaderLength},
    {"240 colours", [] { return FileWithHeader(54 + 4 * 240, 240); }, ProjectDamage::ColorTable},
    {"colour table past the header", [] { return FileWithHeader(54 + 4 * 213, 214); },
     ProjectDamage::ColorTable},
    {"colour count near 2^32", [] { return Changed([](auto& f) { PutBE32(f, 8, 0x40000000u); }); },
     ProjectDamage::ColorTable},
    {"pixel 214", [] { return Changed([](auto& f) { f[kBody + 5000] = 214; }); }, ProjectDamage::PixelValue},
    {"pixel 255 in the last row", [] { return Changed([](auto& f) { f[kBody + 102399] = 255; }); },
     ProjectDamage::PixelValue},
    {"x negative, y not", [] { return Changed([](auto& f) { PutRow(f, 3, -1, 5); }); },
     ProjectDamage::HalfPlaced},
    {"y negative, x not", [] { return Changed([](auto& f) { PutRow(f, 30, 0, -2); }); },
     ProjectDamage::HalfPlaced},
    {"row 0 placed", [] { return Changed([](auto& f) { PutRow(f, 0, 100, 100); }); },
     ProjectDamage::HalfPlaced},
    {"past the right edge", [] { return Changed([](auto& f) { PutRow(f, 1, 285, 1); }); },
     ProjectDamage::OffCanvas},
    {"past the bottom edge", [] { return Changed([](auto& f) { PutRow(f, 13, 0, 161); }); },
     ProjectDamage::OffCanvas},
    {"far away", [] { return Changed([](auto& f) { PutRow(f, 29, 0x7FFFFFF0, 0x7FFFFFF0); }); },
     ProjectDamage::OffCanvas},
    {"edges meet",
     [] {
       return Changed([](auto& f) {
         PutRow(f, 1, 0, 1);
         PutRow(f, 2, 36, 1);
       });
     },
     ProjectDamage::PartsTouch},
    {"overlap",
     [] {
       return Changed([](auto& f) {
         PutRow(f, 13, 100, 100);
         PutRow(f, 21, 150, 150);
       });
     },
     ProjectDamage::PartsTouch},
    {"two volume meters",
     [] {
       return Changed([](auto& f) {
         PutRow(f, 9, 0, 0);
         PutRow(f, 12, 200, 200);
       });
     },
     ProjectDamage::GroupPlacedTwice},
    {"two titles",
     [] {
       return Changed([](auto& f) {
         PutRow(f, 27, 0, 0);
         PutRow(f, 29, 0, 300);
       });
     },
     ProjectDamage::GroupPlacedTwice},
};

TEST_P(DamagedProject, IsRefusedWithItsMessage) {
  const auto result = ReadProjectFile(GetParam().file());
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error(), DamagedProjectMessage(GetParam().expected));
  EXPECT_TRUE(result.error().text.starts_with("Error : "));
}

INSTANTIATE_TEST_SUITE_P(EachFault, DamagedProject, ::testing::ValuesIn(kDamages), [](const auto& info) {
  std::string name = info.param.what;
  for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

TEST(ProjectFileReader, PartsOneFreePixelApartAndAtTheEdgesAreAccepted) {
  auto file = WriteProjectFile(SyntheticLayout());
  PutRow(file, 1, 0, 1);
  PutRow(file, 2, 37, 1);
  PutRow(file, 3, 284, 290);  // touches the bottom-right corner
  PutRow(file, 9, 0, 314);
  const auto layout = ReadProjectFile(file);
  ASSERT_TRUE(layout.ok()) << layout.error().text;
  EXPECT_EQ(CountPlacedRows(*layout), 4);
}

}  // namespace
}  // namespace vorlune
