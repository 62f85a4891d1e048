#include "project/skin_unpacking.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/byte_order.h"
#include "project/project_file.h"
#include "project/project_file_format.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"

namespace vorlune {
namespace {

using testing::Place;
using Bytes = std::vector<std::uint8_t>;

// Every state count, title and digit displays, and colours a skin cannot keep:
// a button's colour 1 without colour 0, a title's colours 1 and 2, a meter's
// colour 2 without colour 1; texts with leftovers after their terminators.
SkinLayout RichLayout() {
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  Place(layout, 2, 40, 0, {15, kNoColor, kNoColor});
  Place(layout, 3, 80, 0, {kNoColor, 4, kNoColor});
  Place(layout, 10, 130, 0, {6, 14, kNoColor});
  Place(layout, 17, 130, 80, {6, kNoColor, 9});
  Place(layout, 22, 130, 130, {14, kNoColor, kNoColor});
  Place(layout, 26, 0, 170, {0, kNoColor, kNoColor});
  Place(layout, 28, 0, 240, {3, 5, 7});
  Place(layout, 30, 284, 290, {0, 7, kNoColor});
  layout.databaseName = {'S', 'k', 'y', 0, 'o', 'l', 'd'};
  layout.databaseAuthor = {'X', 'Y', 0, 'D', 'E', 'F'};
  layout.databaseVersion = {'1', '2', '3', '4', '5', '6'};
  return layout;
}

std::vector<SkinLayout> SyntheticLayouts() {
  SkinLayout fewColors = RichLayout();  // a picture of 16 colours: the palette's other entries black
  fewColors.pictureColorsUsed = 16;
  for (std::size_t i = 33; i < 256; ++i) fewColors.palette[i] = {};
  return {testing::SyntheticLayout(), RichLayout(), fewColors};
}

// Skin -> project -> skin gives the same bytes; the projects given back (the
// colours a skin keeps, texts up to their terminators) are the golden ones.
TEST(SkinUnpacking, RoundTripsBothWays) {
  const std::vector<SkinLayout> sources = SyntheticLayouts();
  for (std::size_t i = 0; i < sources.size(); ++i) {
    const Bytes skin = testing::SkinBytes(sources[i]);
    const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(skin);
    ASSERT_TRUE(unpacked.ok()) << unpacked.error().text;
    EXPECT_TRUE(unpacked->madeByThisEditor);
    const Bytes project = WriteProjectFile(unpacked->layout);
    EXPECT_GOLDEN("unpacked " + std::to_string(i), project);
    EXPECT_TRUE(testing::SkinBytes(*ReadProjectFile(project)) == skin);
  }
}

// A project of more than 214 colours (the reader takes up to 239): its skin
// unpacks to the same project file, which builds the same skin again.
TEST(SkinUnpacking, ProjectOfMoreThan214ColoursComesBack) {
  namespace f = project_format;
  SkinLayout layout = testing::SyntheticLayout();
  Place(layout, 1, 0, 0, {9, 12, kNoColor});
  Place(layout, 28, 0, 240, {3, kNoColor, kNoColor});
  Bytes file = WriteProjectFile(layout);
  const std::size_t header = f::kHeaderStart;
  Bytes table;
  for (int n = 0; n < 25; ++n) table.insert(table.end(), {std::uint8_t(n), 200, std::uint8_t(9 * n), 0});
  file.insert(file.begin() + header + kReducedHeaderSize, table.begin(), table.end());
  const auto put = [&](std::size_t at, std::uint32_t v, bool big) {
    for (int i = 0; i < 4; ++i) file[at + (big ? 3 - i : i)] = std::uint8_t(v >> (8 * i));
  };
  put(f::kSizeField, kReducedBmpSize + 100, true);
  put(f::kHeaderLengthField, kReducedHeaderSize + 100, true);
  put(f::kColorsField, 239, true);
  put(header + 2, kReducedBmpSize + 102, false);
  put(header + 10, kReducedHeaderSize + 100, false);
  put(header + 46, 239, false);
  put(header + 50, 239, false);
  // No image size and 2834 pixels per metre, as the import writes them.
  put(header + 34, 0, false);
  put(header + 38, 2834, false);
  put(header + 42, 2834, false);

  const Result<SkinLayout> project = ReadProjectFile(file);
  ASSERT_TRUE(project.ok()) << project.error().text;
  const Bytes skin = testing::SkinBytes(*project);
  const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(skin);
  ASSERT_TRUE(unpacked.ok()) << unpacked.error().text;
  EXPECT_TRUE(unpacked->madeByThisEditor);
  EXPECT_TRUE(WriteProjectFile(unpacked->layout) == file);
  EXPECT_TRUE(testing::SkinBytes(unpacked->layout) == skin);
}

// A skin of two buttons, one meter and one time display, and where its records lie.
struct GoodSkin {
  GoodSkin() {
    SkinLayout layout = testing::SyntheticLayout();
    Place(layout, 1, 0, 0, {9, 12, kNoColor});
    Place(layout, 2, 40, 0, {15, kNoColor, kNoColor});
    Place(layout, 17, 130, 80, {6, 14, 9});
    Place(layout, 21, 0, 200, {4, kNoColor, kNoColor});
    bytes = testing::SkinBytes(layout);
  }
  std::uint32_t Record(int i) const { return ReadBE32(bytes, 78 + 8 * static_cast<std::size_t>(i)); }
  Bytes bytes;
  // Records: 0 info, 1 palette, 2..5 strips, 6 play, 7..8 its states, 9 stop,
  // 10 its state, 11 meter, 12..14 its states, 15 time display, 16 its state.
};

TEST(SkinUnpacking, RefusesOrWarnsForEachReason) {
  const GoodSkin good;
  ASSERT_TRUE(UnpackSkinDatabase(good.bytes)->madeByThisEditor);
  const std::uint32_t strip = good.Record(2) + 16;
  const std::uint32_t stop = good.Record(9);
  struct Case {
    const char* what;
    std::function<void(Bytes&)> damage;
    const char* refusal;  // a part of the message; null: unpacks, but not as the editor's own
  };
  const Case cases[] = {
      {"type", [](Bytes& b) { b[60] = 'X'; }, "type Data"},
      {"record count", [](Bytes& b) { b[77] = 5; }, "fewer than six"},
      {"record size", [&](Bytes& b) { b[78 + 8 + 3] += 1; }, "information record has the wrong size"},
      {"record out of the file", [](Bytes& b) { b[78 + 8 * 16] = 0x7F; }, "misplaced"},
      {"part kind", [&](Bytes& b) { b[stop] = 31; }, "no part kind"},
      {"descriptor size", [&](Bytes& b) { b[stop + 7] = 38; }, "size other than its kind's"},
      {"part off the canvas",
       [&](Bytes& b) {
         b[stop + 3] = 200;
         b[stop + 2] = 1;
       },
       "off the background"},
      {"parts touching", [&](Bytes& b) { b[stop + 3] = 34; }, "two parts touch"},
      {"two of a group",
       [](Bytes& b) {
         SkinLayout layout = testing::SyntheticLayout();
         Place(layout, 21, 0, 0, {4, kNoColor, kNoColor});
         Place(layout, 22, 0, 100, {4, kNoColor, kNoColor});
         b = testing::SkinBytes(layout);
       },
       "two parts of one group"},
      {"pixel below 17", [&](Bytes& b) { b[strip + 5] = 16; }, "background pixel"},
      {"pixel above 230", [&](Bytes& b) { b[strip + 25599] = 231; }, "background pixel"},
      {"a state bitmap's pixel", [&](Bytes& b) { b[good.Record(7) + 16 + 300] ^= 1; }, nullptr},
      {"a picker colour in the palette", [&](Bytes& b) { b[good.Record(1) + 5] ^= 0x40; }, nullptr},
      {"a state colour byte", [&](Bytes& b) { b[stop + 10] = 40; }, nullptr},
      {"a record's attributes", [](Bytes& b) { b[78 + 4] = 0; }, nullptr},
  };
  for (const Case& c : cases) {
    Bytes bad = good.bytes;
    c.damage(bad);
    const Result<UnpackedSkin> unpacked = UnpackSkinDatabase(bad);
    if (c.refusal != nullptr) {
      ASSERT_FALSE(unpacked.ok()) << c.what;
      EXPECT_EQ(unpacked.error().text.rfind("Error : ", 0), 0u) << c.what;
      EXPECT_NE(unpacked.error().text.find(c.refusal), std::string::npos)
          << c.what << ": " << unpacked.error().text;
    } else {
      ASSERT_TRUE(unpacked.ok()) << c.what << ": " << unpacked.error().text;
      EXPECT_FALSE(unpacked->madeByThisEditor) << c.what;
      EXPECT_TRUE(ReadProjectFile(WriteProjectFile(unpacked->layout)).ok()) << c.what;
    }
  }
  // Only the time stamps may differ.
  Bytes later = good.bytes;
  for (std::size_t i = 36; i < 44; ++i) later[i] = static_cast<std::uint8_t>(i);
  EXPECT_TRUE(UnpackSkinDatabase(later)->madeByThisEditor);
}

}  // namespace
}  // namespace vorlune
