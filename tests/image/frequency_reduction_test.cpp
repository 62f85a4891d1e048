#include <gtest/gtest.h>

#include "image/import_support.h"

namespace vorlune {
namespace {

using testing::EightBit;
using testing::Imported;
using testing::ReducedEntry;
using testing::ReducedPixel;

// Colour number of pixel n (file order, 102,400 pixels) from a list of
// (number, how many pixels) runs.
std::function<std::uint8_t(int, int)> Runs(std::vector<std::pair<int, int>> runs) {
  std::vector<std::uint8_t> pixels;
  for (auto [number, count] : runs) pixels.insert(pixels.end(), count, static_cast<std::uint8_t>(number));
  pixels.resize(320 * 320, pixels.empty() ? 0 : pixels.back());
  return [pixels](int x, int row) { return pixels[row * 320 + x]; };
}

TEST(FrequencyReduction, FewColoursAreKeptAndRenumberedByFrequency) {
  const auto table = testing::DistinctColours(256);
  const auto b = Imported(EightBit(table, 0, Runs({{40, 100}, {7, 300}, {200, 102000}})));
  EXPECT_TRUE(b.reductionNoticeDue);
  EXPECT_EQ(b.colorsUsed, 214u);
  EXPECT_EQ(ReducedEntry(b, 0), table[200]);
  EXPECT_EQ(ReducedEntry(b, 1), table[7]);
  EXPECT_EQ(ReducedEntry(b, 2), table[40]);
  EXPECT_EQ(ReducedPixel(b, 0, 0), 2);
  EXPECT_EQ(ReducedPixel(b, 100, 0), 1);
  EXPECT_EQ(ReducedPixel(b, 319, 319), 0);
  // Unused numbers follow in their order, 40 and 200 having moved out of the way.
  EXPECT_EQ(ReducedEntry(b, 3), table[3]);
}

TEST(FrequencyReduction, EqualCountsKeepTheTableOrder) {
  const auto table = testing::DistinctColours(256);
  const auto b =
      Imported(EightBit(table, 0, [](int x, int row) { return static_cast<std::uint8_t>(row * 320 + x); }));
  for (int n = 0; n < 214; ++n) EXPECT_EQ(ReducedEntry(b, n), table[n]);
  EXPECT_EQ(ReducedPixel(b, 5, 0), 5);
  EXPECT_EQ(ReducedPixel(b, 213, 0), 213);
}

TEST(FrequencyReduction, TheExchangeSortIsNotStable) {
  // Counts 2, 1, 2, 3 (in units of 10,000 or so): number 2 ends up before 0.
  const auto table = testing::DistinctColours(256);
  const auto b = Imported(EightBit(table, 0, Runs({{0, 20000}, {1, 10000}, {2, 20000}, {3, 52400}})));
  EXPECT_EQ(ReducedEntry(b, 0), table[3]);
  EXPECT_EQ(ReducedEntry(b, 1), table[2]);
  EXPECT_EQ(ReducedEntry(b, 2), table[0]);
  EXPECT_EQ(ReducedEntry(b, 3), table[1]);
  EXPECT_EQ(ReducedPixel(b, 0, 0), 2);
  EXPECT_EQ(ReducedPixel(b, 0, 319), 0);
}

TEST(FrequencyReduction, RareColoursGoToTheNearestKeptOneLowestOnTies) {
  std::vector<Rgb> table;
  for (int i = 0; i < 256; ++i) table.push_back(Rgb{0, static_cast<std::uint8_t>(i), 200});
  table[3] = {100, 0, 0};
  table[7] = {120, 0, 0};
  table[214] = {110, 0, 0};   // as near to 3 as to 7
  table[250] = {119, 1, 0};   // nearest to 7
  table[240] = {0, 30, 201};  // nearest to 30
  // Every number used equally often: numbers 214 and up are the rare ones.
  const auto b =
      Imported(EightBit(table, 0, [](int x, int row) { return static_cast<std::uint8_t>(row * 320 + x); }));
  EXPECT_EQ(ReducedPixel(b, 214, 0), 3);
  EXPECT_EQ(ReducedPixel(b, 250, 0), 7);
  EXPECT_EQ(ReducedPixel(b, 240, 0), 30);
  for (int x = 0; x < 320; ++x) ASSERT_LT(ReducedPixel(b, x, 0), 214);
}

TEST(FrequencyReduction, NumbersBeyondTheFilesTableAreBlack) {
  // biClrUsed 220: the table ends at entry 219 even if more bytes follow.
  std::vector<Rgb> table;
  for (int i = 0; i < 256; ++i) table.push_back(Rgb{200, 200, static_cast<std::uint8_t>(i)});
  auto bmp = EightBit(table, 220, Runs({{240, 60000}, {1, 40000}, {230, 2}, {5, 2398}}));
  const auto b = Imported(bmp);
  EXPECT_EQ(ReducedEntry(b, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(ReducedEntry(b, 1), table[1]);
  EXPECT_EQ(ReducedPixel(b, 0, 0), 0);
  EXPECT_EQ(ReducedEntry(b, 3), (Rgb{0, 0, 0}));  // number 230, kept but black
  EXPECT_EQ(ReducedPixel(b, 160, 312), 3);
  EXPECT_EQ(ReducedPixel(b, 10, 319), 2);

  // Every number equally often: the rare ones beyond the table are black and
  // go to the darkest kept colour, the others to their own nearest.
  table[9] = {0, 0, 5};
  const auto even =
      Imported(EightBit(table, 220, [](int x, int row) { return static_cast<std::uint8_t>(row * 320 + x); }));
  EXPECT_EQ(ReducedPixel(even, 219, 0), 213);
  for (int number = 220; number < 256; ++number) EXPECT_EQ(ReducedPixel(even, number, 0), 9) << number;
}

TEST(FrequencyReduction, TwoTableOrdersMayReduceDifferently) {
  // Same picture, colours listed in another order: equal counts then favour
  // other colours, as in the editor.
  const auto table = testing::DistinctColours(256);
  std::vector<Rgb> reversed(table.rbegin(), table.rend());
  const auto pixel = [](int x, int row) { return static_cast<std::uint8_t>(row * 320 + x); };
  const auto flipped = [](int x, int row) { return static_cast<std::uint8_t>(255 - (row * 320 + x) % 256); };
  const auto a = Imported(EightBit(table, 0, pixel));
  const auto b = Imported(EightBit(reversed, 0, flipped));
  EXPECT_EQ(ReducedEntry(a, 0), table[0]);
  EXPECT_EQ(ReducedEntry(b, 0), table[255]);
}

}  // namespace
}  // namespace vorlune
