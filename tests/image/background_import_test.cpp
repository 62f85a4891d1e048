// The import's outputs for a table of pictures made in code, against their
// golden SHA-256: the reduced BMP, its display form and palette for a picture
// taken, the message for one refused. Which check comes first shows in which
// message a picture with several faults gets.
#include "image/background_import.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "image/dmatrix.h"
#include "support/bmp_builder.h"
#include "support/golden.h"
#include "support/synthetic_layout.h"
#include "support/test_files.h"

namespace vorlune {
namespace {

using testing::DistinctColours;
using testing::Indexed;
using testing::TestBmp;
using testing::TrueColor;
using Bytes = std::vector<std::uint8_t>;

TestBmp Uniform(Rgb colour) {
  return testing::TrueColor([=](int, int) { return colour; });
}

template <class Change>
Bytes Changed(TestBmp bmp, Change change) {
  change(bmp);
  return bmp.Bytes();
}

Bytes Resized(Bytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

// Colour number of pixel n (file order) from (number, how many pixels) runs.
std::function<std::uint8_t(int, int)> Runs(std::vector<std::pair<int, int>> runs) {
  std::vector<std::uint8_t> pixels;
  for (auto [number, count] : runs) pixels.insert(pixels.end(), count, static_cast<std::uint8_t>(number));
  pixels.resize(320 * 320, pixels.back());
  return [pixels](int x, int row) { return pixels[row * 320 + x]; };
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
std::uint8_t Serial(int x, int row) {
  return static_cast<std::uint8_t>(row * 320 + x);
}

// What an import gives, as one run of bytes: outputs, or the message.
Bytes Outcome(const Bytes& file) {
  const auto check = CheckBackgroundFile(file);
  const auto imported = ImportBackground(file);
  EXPECT_EQ(check.ok(), imported.ok());
  if (!imported.ok()) {
    EXPECT_EQ(check.error(), imported.error());
    Bytes message(imported.error().text.begin(), imported.error().text.end());
    message.push_back(static_cast<std::uint8_t>(imported.error().icon));
    return message;
  }
  Bytes out = imported->reducedBmp;
  out.insert(out.end(), imported->picture.begin(), imported->picture.end());
  for (const Rgb& c : imported->palette) out.insert(out.end(), {c.r, c.g, c.b});
  out.insert(out.end(), {static_cast<std::uint8_t>(imported->colorsUsed),
                         static_cast<std::uint8_t>(imported->bitsPerPixel),
                         static_cast<std::uint8_t>(imported->reductionNoticeDue), check->reductionNoticeDue});
  return out;
}

// Beside the fuzzing corpus, which holds other depths, sizes and damages.
std::vector<std::pair<std::string, Bytes>> Pictures() {
  const TestBmp plain = Uniform({1, 2, 3});
  const Bytes plainBytes = plain.Bytes();
  const auto table = DistinctColours(256);
  const auto size = [&](int w, int h) {
    return Changed(plain, [=](TestBmp& b) { b.width = w, b.height = h; });
  };
  const auto using8 = [&](std::uint8_t highest, std::uint32_t used) {
    return Indexed(8, table, used,
                   [=](int x, int row) { return x == 5 && row == 7 ? highest : std::uint8_t{0}; })
        .Bytes();
  };
  const auto fourBit = [](std::uint32_t used, int entries) {
    return Indexed(4, DistinctColours(entries), used,
                   [](int x, int) { return static_cast<std::uint8_t>(x % 2); });
  };
  Bytes hugeOffset = plainBytes;  // an offset near 2^32 must not wrap round
  hugeOffset[10] = 0xF0;
  hugeOffset[11] = hugeOffset[12] = hugeOffset[13] = 0xFF;
  Bytes trailing = plainBytes;
  trailing.insert(trailing.end(), {0, 0});
  std::vector<Rgb> near;
  for (int i = 0; i < 256; ++i) near.push_back(Rgb{0, static_cast<std::uint8_t>(i), 200});
  near[3] = {100, 0, 0}, near[7] = {120, 0, 0}, near[214] = {110, 0, 0}, near[250] = {119, 1, 0};
  near[240] = {0, 30, 201};
  std::vector<Rgb> grey;
  for (int i = 0; i < 256; ++i) grey.push_back(Rgb{200, 200, static_cast<std::uint8_t>(i)});
  std::vector<Rgb> greyDark = grey;
  greyDark[9] = {0, 0, 5};
  const std::vector<Rgb> reversed(table.rbegin(), table.rend());
  const auto levels = [](int count) {
    return TrueColor([=](int x, int row) {
      const int n = row * 320 + x;
      return Rgb{static_cast<std::uint8_t>(n < count ? 10 : n >= 320 * 320 - count ? 240 : 128), 50, 60};
    });
  };
  const auto halves = [](Rgb left, Rgb right) {
    return TrueColor([=](int x, int) { return x < 160 ? left : right; });
  };

  return {
      {"empty", {}},
      {"one byte", {'B'}},
      {"short header 53", Resized(plainBytes, 53)},
      {"compressed and narrow", Changed(plain, [](TestBmp& b) { b.compression = 1, b.width = 100; })},
      {"size 321", size(321, 320)},
      {"size 319", size(320, 319)},
      {"size negative width", size(-320, 320)},
      {"size 640", size(640, 160)},
      {"depth 0", Changed(plain, [](TestBmp& b) { b.bitsPerPixel = 0; })},
      {"depth 3", Changed(plain, [](TestBmp& b) { b.bitsPerPixel = 3; })},
      {"depth 16 far offset", Changed(plain, [](TestBmp& b) { b.bitsPerPixel = 16, b.pixelOffset = 5000; })},
      {"offset 1281", Changed(plain, [](TestBmp& b) { b.pixelOffset = 1281; })},
      {"offset 1280", Changed(plain, [](TestBmp& b) { b.pixelOffset = 1280; })},
      {"offset wraps", hugeOffset},
      {"offset 5000", Resized(Changed(plain, [](TestBmp& b) { b.pixelOffset = 5000; }), 6000)},
      {"one byte short", Resized(plainBytes, plainBytes.size() - 1)},
      {"four bit short", Resized(fourBit(16, 16).Bytes(), fourBit(16, 16).Bytes().size() - 1)},
      {"trailing bytes", trailing},
      {"four bit used 17", fourBit(17, 17).Bytes()},
      {"four bit used 16", fourBit(16, 16).Bytes()},
      {"four bit used 17 core header", Changed(fourBit(17, 17), [](TestBmp& b) { b.infoSize = 12; })},
      {"four bit used 2 short table",
       Changed(fourBit(2, 16), [](TestBmp& b) { b.pixelOffset = 14 + 40 + 8; })},
      {"four bit table cut", Changed(fourBit(0, 16), [](TestBmp& b) { b.pixelOffset = 14 + 40 + 63; })},
      {"four bit core header", Changed(fourBit(0, 16), [](TestBmp& b) { b.infoSize = 12; })},
      {"four bit v5 header", Changed(fourBit(0, 16), [](TestBmp& b) { b.infoSize = 124; })},
      {"four bit gap", Changed(Indexed(4, DistinctColours(16), 0, Sixteenths),
                               [](TestBmp& b) { b.pixelOffset = 400, b.fill = 0xAB; })},
      {"one bit used 3", Indexed(1, DistinctColours(3), 3, Checker).Bytes()},
      {"one bit used 2", Indexed(1, DistinctColours(3), 2, Checker).Bytes()},
      {"one bit used 1", Indexed(1, {{0, 0, 0}, {9, 9, 9}}, 1, Checker).Bytes()},
      {"one bit dark", Indexed(1, {{0, 0, 0}, {200, 30, 40}}, 0, Checker).Bytes()},
      {"one bit light", Indexed(1, {{255, 255, 255}, {0, 0, 0}}, 0, Inverted).Bytes()},
      {"one bit faint", Indexed(1, {{1, 1, 1}, {0, 0, 0}}, 0, Inverted).Bytes()},
      {"one bit zero component", Indexed(1, {{255, 0, 255}, {0, 0, 0}}, 0, Checker).Bytes()},
      {"two bit", Indexed(2, DistinctColours(4), 0, Quarters).Bytes()},
      {"two bit used 3", Indexed(2, {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}, 3, Quarters).Bytes()},
      {"eight bit 5 of 7",
       Indexed(8, DistinctColours(5), 5, [](int x, int) { return std::uint8_t(x % 7); }).Bytes()},
      {"eight bit 214 used 214", using8(214, 214)},
      {"eight bit 255 used 1", using8(255, 1)},
      {"eight bit 213 used 214", using8(213, 214)},
      {"eight bit 213 used 5", using8(213, 5)},
      {"eight bit 255 used 215", using8(255, 215)},
      {"eight bit 255 used 0", using8(255, 0)},
      {"eight bit 0 used 1", using8(0, 1)},
      {"frequency", Indexed(8, table, 0, Runs({{40, 100}, {7, 300}, {200, 102000}})).Bytes()},
      {"equal counts", Indexed(8, table, 0, Serial).Bytes()},
      {"exchange sort", Indexed(8, table, 0, Runs({{0, 20000}, {1, 10000}, {2, 20000}, {3, 52400}})).Bytes()},
      {"nearest kept", Indexed(8, near, 0, Serial).Bytes()},
      {"beyond the table",
       Indexed(8, grey, 220, Runs({{240, 60000}, {1, 40000}, {230, 2}, {5, 2398}})).Bytes()},
      {"beyond the table even", Indexed(8, greyDark, 220, Serial).Bytes()},
      {"reversed table",
       Indexed(8, reversed, 0, [](int x, int row) { return std::uint8_t(255 - Serial(x, row)); }).Bytes()},
      {"uniform 100 150 200", Uniform({100, 150, 200}).Bytes()},
      {"uniform 0 150 200", Uniform({0, 150, 200}).Bytes()},
      {"uniform 100 0 0", Uniform({100, 0, 0}).Bytes()},
      {"uniform 100 150 0", Uniform({100, 150, 0}).Bytes()},
      {"uniform 3 252 255", Uniform({3, 252, 255}).Bytes()},
      {"two values", halves({50, 50, 50}, {150, 150, 150}).Bytes()},
      {"outer levels 100", levels(100).Bytes()},
      {"outer levels 200", levels(200).Bytes()},
      {"step", halves({0, 0, 0}, {0, 255, 0}).Bytes()},
      {"truncating step", halves({128, 200, 0}, {128, 100, 0}).Bytes()},
      {"gradient", TrueColor([](int x, int row) {
                     return Rgb{static_cast<std::uint8_t>(x * 255 / 319),
                                static_cast<std::uint8_t>(row * 255 / 319),
                                static_cast<std::uint8_t>((x * row) % 256)};
                   }).Bytes()},
  };
}

TEST(BackgroundImport, OutputsOfATableOfPictures) {
  for (const auto& [name, file] : Pictures()) {
    SCOPED_TRACE(name);
    EXPECT_GOLDEN(name, Outcome(file));
  }
  for (const auto& entry : std::filesystem::directory_iterator(VORLUNE_TEST_DATA "/fuzz/corpus/bmp_import"))
    EXPECT_GOLDEN("corpus " + entry.path().filename().string(), Outcome(testing::ReadBytes(entry.path())));
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::NotFound),
            (UserMessage{"Error : Cannot find bmp-file", MessageIcon::Exclamation}));
  EXPECT_EQ(BmpReadFailureMessage(ReadFailure::CannotOpen),
            (UserMessage{"Error : Cannot open bmp-file", MessageIcon::Information}));
  EXPECT_EQ(ReductionNoticeMessage(),
            (UserMessage{"Over 214 color bitmap.\n Down-color conversion started(to 214colors).",
                         MessageIcon::Information}));
}

TEST(BackgroundImport, WithoutStorageForThePrefilterTheImportGoesOnWithoutIt) {
  const Bytes step = TrueColor([](int x, int) { return x < 160 ? Rgb{0, 0, 0} : Rgb{0, 255, 0}; }).Bytes();
  EXPECT_TRUE(ImportBackground(step)->warnings.empty());
  const std::size_t limit = DmatrixStorageLimit();
  SetDmatrixStorageLimit(1000);  // the error lines fit, the picture does not
  const auto imported = ImportBackground(step);
  SetDmatrixStorageLimit(limit);
  ASSERT_TRUE(imported.ok());
  ASSERT_EQ(imported->warnings.size(), 1u);
  EXPECT_EQ(imported->warnings[0].text, "allocdmatrix error\n");
  EXPECT_GOLDEN("step without the prefilter", imported->reducedBmp);
}

// The layout after a first import, which resets the placed count, and after a
// second one over a placed part, which keeps it.
TEST(BackgroundImport, OnlyTheFirstImportResetsThePlacedCount) {
  SkinLayout layout = NewSkinLayout();
  layout.placedCount = 7;
  ApplyImportedBackground(layout, *ImportBackground(Indexed(4, DistinctColours(16), 0, Sixteenths).Bytes()));
  EXPECT_GOLDEN("first import applied", testing::LayoutBytes(layout));
  testing::Place(layout, 1, 10, 20, {kNoColor, kNoColor, kNoColor});
  const auto second =
      *ImportBackground(Indexed(2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {9, 9, 9}}, 0, Quarters).Bytes());
  ApplyImportedBackground(layout, second);
  EXPECT_GOLDEN("second import applied", testing::LayoutBytes(layout));
  EXPECT_EQ(TemporaryPictureFileBytes(second.reducedBmp), Resized(second.reducedBmp, 103312));
}

// Only more than 214 distinct colours are merged: the notice alone (every
// 24-bit picture gets it) does not say so.
TEST(BackgroundImport, SaysWhetherManyColoursWereMerged) {
  const std::vector<Rgb> table = DistinctColours(256);
  for (const auto& [colours, bits, merged] :
       {std::tuple(215, 24, true), {214, 24, false}, {215, 8, true}, {200, 8, false}}) {
    const auto index = [n = colours](int x, int row) { return std::uint8_t((x + row) % n); };
    const TestBmp bmp = bits == 8 ? Indexed(8, table, 0, index)
                                  : TrueColor([&](int x, int row) { return table[index(x, row)]; });
    EXPECT_EQ(ImportBackground(bmp.Bytes())->manyColoursMerged, merged)
        << colours << " colours, " << bits << " bits";
  }
}

// The pre-filter's diffusion itself is pinned by the import's golden outputs.
TEST(Dmatrix, AllocFailureLeavesNoStorageAndSaysSo) {
  const std::size_t limit = DmatrixStorageLimit();
  SetDmatrixStorageLimit(100);
  dmatrix m;
  DmatrixMessages messages;
  allocdmatrix(&m, 20, 20, &messages);
  SetDmatrixStorageLimit(limit);
  EXPECT_EQ(m.data, nullptr);
  freedmatrix(&m);
  allocdmatrix(&m, -1, 5, &messages);
  EXPECT_EQ(m.data, nullptr);
  EXPECT_EQ(messages, DmatrixMessages(2, messages[0]));
  EXPECT_EQ(messages[0].text, "allocdmatrix error\n");
}

TEST(Dmatrix, ClearNeverWritesOutsideItsMatrix) {
  // A 2 x 3 view (columns of two) in the middle of guarded storage.
  std::array<double, 16> storage;
  storage.fill(9.0);
  dmatrix m;
  setdmatrix(&m, storage.data() + 5, 2, 3);
  m.rnum = m.cnum = 0;
  DmatrixMessages messages;
  cleardmatrix(&m, 1, 1, 4, 5, &messages);    // cut to the matrix's last row, last two columns
  cleardmatrix(&m, -3, -3, 2, 2, &messages);  // wholly before the matrix
  std::array<double, 16> expected;
  expected.fill(9.0);
  expected[5 + 3] = expected[5 + 5] = 0.0;
  EXPECT_EQ(storage, expected);
  EXPECT_EQ(m.rnum, 2);  // no wider than the matrix
  EXPECT_EQ(m.cnum, 3);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "cleardmatrix : dmat->maxrnum < rstart + rnum !!!\n");
  EXPECT_EQ(messages[1].text, "cleardmatrix : dmat->maxcnum < cstart + cnum !!!\n");

  dmatrix empty;
  allocdmatrix(&empty, 0, 0);
  cleardmatrix(&empty, 0, 0, 3, 3, &messages);  // nothing to write into
  freedmatrix(&empty);
}

}  // namespace
}  // namespace vorlune
