#include "project/project_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "image/background_import.h"
#include "project/project_file_format.h"
#include "project/project_messages.h"
#include "project/project_storage.h"
#include "support/bmp_builder.h"
#include "support/folder_test.h"
#include "support/golden.h"
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
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
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

// A project file whose header is H bytes long and whose table holds C colours.
std::vector<std::uint8_t> FileWithHeader(std::uint32_t headerLength, std::uint32_t colors) {
  SkinLayout layout = SyntheticLayout();
  layout.picture.resize(headerLength, 0);
  layout.reducedBmp.assign(headerLength + kPixelBytes, 0);
  layout.pixelOffset = headerLength;
  layout.pictureColorsUsed = colors;
  return WriteProjectFile(layout);
}

std::vector<std::uint8_t> Changed(const std::function<void(std::vector<std::uint8_t>&)>& change) {
  auto file = WriteProjectFile(SyntheticLayout());
  change(file);
  return file;
}

// A file with rows put at (kind, x, y).
std::vector<std::uint8_t> WithRows(std::vector<std::array<std::int32_t, 3>> rows) {
  return Changed([&](auto& f) {
    for (auto [k, x, y] : rows) PutRow(f, k, x, y);
  });
}

// What a file reads as (every field of the layout) or the message refusing it.
std::vector<std::uint8_t> Outcome(const std::vector<std::uint8_t>& file) {
  const auto loaded = ReadProjectFile(file);
  if (!loaded.ok()) return std::vector<std::uint8_t>(loaded.error().text.begin(), loaded.error().text.end());
  EXPECT_EQ(WriteProjectFile(*loaded).size(), file.size());
  return testing::LayoutBytes(*loaded);
}

// A picture of the given depth (4 or 24) as the import leaves it.
SkinLayout ImportedLayout(int bits) {
  const testing::TestBmp bmp =
      bits == 4
          ? testing::Indexed(4, testing::DistinctColours(16), 0,
                             [](int x, int row) { return static_cast<std::uint8_t>((x * 7 + row * 3) % 16); })
          : testing::TrueColor([](int x, int row) {
              return Rgb{static_cast<std::uint8_t>(x * 7 + row), static_cast<std::uint8_t>(row * 3),
                         static_cast<std::uint8_t>(x ^ row)};
            });
  SkinLayout layout = NewSkinLayout();
  ApplyImportedBackground(layout, *ImportBackground(bmp.Bytes()));
  return layout;
}

TEST(ProjectFile, WritesAndReadsBackATableOfLayouts) {
  const SkinLayout worked = WorkedLayout();
  const auto file = WriteProjectFile(worked);
  EXPECT_GOLDEN("worked file", file);
  EXPECT_GOLDEN("worked read", Outcome(file));
  EXPECT_EQ(WriteProjectFile(*ReadProjectFile(file)), file);

  // Fields the editor never writes are read as they stand: full texts get a
  // terminator after the field, colour bytes outside the picker mean none, the
  // stored count is kept, and a row with both coordinates negative is not placed.
  auto odd = WriteProjectFile(SyntheticLayout());
  std::memset(&odd[kBody + f::kName], 'N', 32);
  std::memset(&odd[kBody + f::kVersion], '9', 6);
  const std::uint8_t bytes[][3] = {{0, 15, 0xFF}, {16, 0x7F, 0x80}, {0xFE, 0xF0, 7}};
  for (int k = 1; k <= 3; ++k) std::memcpy(&odd[RowAt(k) + 8], bytes[k - 1], 3);
  odd[kBody + f::kPlacedCount + 1] = 7;
  PutRow(odd, 1, 0, 1);
  PutRow(odd, 5, -7, -300);
  EXPECT_GOLDEN("odd fields read", Outcome(odd));

  // One free pixel apart, and at the edges.
  EXPECT_GOLDEN("parts apart read", Outcome(WithRows({{1, 0, 1}, {2, 37, 1}, {3, 284, 290}, {9, 0, 314}})));

  SkinLayout twoColours = SyntheticLayout();  // the palette takes C colours, black after them
  twoColours.pictureColorsUsed = 2;
  EXPECT_GOLDEN("two colours read", Outcome(WriteProjectFile(twoColours)));
  EXPECT_GOLDEN("header 54 read", Outcome(FileWithHeader(54, 0)));
  EXPECT_GOLDEN("header 206080 read", Outcome(FileWithHeader(206080, 214)));
  EXPECT_GOLDEN("table 239 read", Outcome(FileWithHeader(54 + 4 * 239, 239)));
  for (int bits : {4, 24}) {
    const SkinLayout imported = ImportedLayout(bits);
    const auto loaded = ReadProjectFile(WriteProjectFile(imported));  // into the forms the import made
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->reducedBmp, imported.reducedBmp);
    EXPECT_EQ(loaded->picture, imported.picture);
    EXPECT_EQ(loaded->palette, imported.palette);
    EXPECT_EQ(loaded->pictureColorsUsed, imported.pictureColorsUsed);
  }
  for (const auto& entry :
       std::filesystem::directory_iterator(VORLUNE_TEST_DATA "/fuzz/corpus/project_reader"))
    EXPECT_GOLDEN("corpus " + entry.path().filename().string(), Outcome(testing::ReadBytes(entry.path())));
}

struct Damage {
  const char* what;
  std::vector<std::uint8_t> file;
  ProjectDamage expected;
};

std::vector<Damage> Damages() {
  return {
      {"one byte longer", Changed([](auto& f) { f.push_back(0); }), ProjectDamage::Length},
      {"one byte shorter", Changed([](auto& f) { f.pop_back(); }), ProjectDamage::Length},
      {"shorter than the numbers", std::vector<std::uint8_t>(11, 0), ProjectDamage::Length},
      {"empty", {}, ProjectDamage::Length},
      {"header length changed", Changed([](auto& f) { PutBE32(f, 4, 911); }), ProjectDamage::Length},
      {"header below 54", FileWithHeader(53, 0), ProjectDamage::HeaderLength},
      {"header past the picture buffer", FileWithHeader(206081, 0), ProjectDamage::HeaderLength},
      {"header length near 2^32", Changed([](auto& f) { PutBE32(f, 4, 0xFFFFFFF0u); }),
       ProjectDamage::HeaderLength},
      {"240 colours", FileWithHeader(54 + 4 * 240, 240), ProjectDamage::ColorTable},
      {"colour table past the header", FileWithHeader(54 + 4 * 213, 214), ProjectDamage::ColorTable},
      {"colour count near 2^32", Changed([](auto& f) { PutBE32(f, 8, 0x40000000u); }),
       ProjectDamage::ColorTable},
      {"pixel 214", Changed([](auto& f) { f[kBody + 5000] = 214; }), ProjectDamage::PixelValue},
      {"pixel 255 in the last row", Changed([](auto& f) { f[kBody + 102399] = 255; }),
       ProjectDamage::PixelValue},
      {"x negative, y not", WithRows({{3, -1, 5}}), ProjectDamage::HalfPlaced},
      {"y negative, x not", WithRows({{30, 0, -2}}), ProjectDamage::HalfPlaced},
      {"row 0 placed", WithRows({{0, 100, 100}}), ProjectDamage::HalfPlaced},
      {"past the right edge", WithRows({{1, 285, 1}}), ProjectDamage::OffCanvas},
      {"past the bottom edge", WithRows({{13, 0, 161}}), ProjectDamage::OffCanvas},
      {"far away", WithRows({{29, 0x7FFFFFF0, 0x7FFFFFF0}}), ProjectDamage::OffCanvas},
      {"edges meet", WithRows({{1, 0, 1}, {2, 36, 1}}), ProjectDamage::PartsTouch},
      {"overlap", WithRows({{13, 100, 100}, {21, 150, 150}}), ProjectDamage::PartsTouch},
      {"two volume meters", WithRows({{9, 0, 0}, {12, 200, 200}}), ProjectDamage::GroupPlacedTwice},
      {"two titles", WithRows({{27, 0, 0}, {29, 0, 300}}), ProjectDamage::GroupPlacedTwice},
  };
}

TEST(ProjectFile, EachDamageIsRefusedWithItsMessage) {
  for (const Damage& damage : Damages()) {
    const auto result = ReadProjectFile(damage.file);
    ASSERT_FALSE(result.ok()) << damage.what;
    EXPECT_EQ(result.error(), DamagedProjectMessage(damage.expected)) << damage.what;
  }
}

// Saving and loading through files.
class ProjectStorage : public testing::FolderTest {};

TEST_F(ProjectStorage, SaveWithoutBackgroundOrIntoAMissingFolderWritesNothing) {
  EXPECT_EQ(SaveProjectFile(folder_ / "skin.hqd", NewSkinLayout()).error(),
            (UserMessage{"背景画像を読み込んでから保存して下さい\n保存できませんでした",
                         MessageIcon::Information}));
  EXPECT_EQ(SaveProjectFile(folder_ / "no-such-folder" / "skin.hqd", SyntheticLayout()).error(),
            (UserMessage{"Error : Cannot make hqd-file.", MessageIcon::Exclamation}));
  EXPECT_TRUE(testing::FolderEntries(folder_).empty());
}

TEST_F(ProjectStorage, AFailingWriteLeavesTheOldFileAsItWas) {
  const auto path = folder_ / "skin.hqd";
  std::ofstream(path, std::ios::binary) << "the previous project";
  // 50,000 bytes per file stop the save part way through its 103,766 bytes.
  EXPECT_TRUE(testing::InChildWithFileSizeLimit(50000, [&] {
    const Status saved = SaveProjectFile(path, SyntheticLayout());
    return !saved.ok() && saved.error() == CannotMakeProjectFileMessage();
  }));
  EXPECT_EQ(testing::ReadText(path), "the previous project");
  EXPECT_EQ(testing::FolderEntries(folder_), std::vector<std::string>{"skin.hqd"});
}

TEST_F(ProjectStorage, LoadReportsAMissingUnreadableOrOversizedFile) {
  EXPECT_EQ(LoadProjectFile(folder_ / "absent.hqd").error(),
            (UserMessage{"Error : Cannot find hqd-file", MessageIcon::Exclamation}));
  std::filesystem::create_directory(folder_ / "folder.hqd");
  EXPECT_EQ(LoadProjectFile(folder_ / "folder.hqd").error(),
            (UserMessage{"Error : Cannot open bmp-file", MessageIcon::Information}));
  testing::WriteBytes(folder_ / "big.hqd", std::vector<std::uint8_t>(400000, 0));
  EXPECT_TRUE(LoadProjectFile(folder_ / "big.hqd").error().text.starts_with("Error : "));
}

}  // namespace
}  // namespace vorlune
