#include "image/dmatrix.h"

#include <gtest/gtest.h>

#include <array>

namespace vorlune {
namespace {

double kWeights[6] = {0, -3.0 / 16, 0, -5.0 / 16, -7.0 / 16, -1.0 / 16};

// Runs the pre-filter's diffusion (8 bits, the built-in weights) over a
// matrix of rows x columns values.
std::vector<double> Dither(std::vector<double> values, int rows, int columns, int bits = 8) {
  dmatrix img;
  setdmatrix(&img, values.data(), rows, columns);
  dmatrix kern;
  setdmatrix(&kern, kWeights, 2, 3);
  dmatrix acc;
  allocdmatrix(&acc, kern.rnum, columns + 10);
  ditherdmatrix(&img, &acc, &kern, bits);
  freedmatrix(&acc);
  return values;
}

// The value the pre-filter stores for a whole-number blue byte.
double Stored(int blue) {
  return std::min(blue * 1000, 255000) * 0.001;
}

TEST(Dmatrix, ColumnsLieOneAfterAnotherAndFreeingTwiceIsHarmless) {
  dmatrix m;
  DmatrixMessages messages;
  allocdmatrix(&m, 2, 330, &messages);
  ASSERT_NE(m.data, nullptr);
  EXPECT_TRUE(messages.empty());
  m.at(1, 4) = 7.5;
  EXPECT_EQ(m.data[4 * 2 + 1], 7.5);
  freedmatrix(&m);
  EXPECT_EQ(m.data, nullptr);
  freedmatrix(&m);

  dmatrix view;
  setdmatrix(&view, kWeights, 2, 3);
  EXPECT_EQ(view.at(1, 0), -3.0 / 16);
  EXPECT_EQ(view.at(0, 2), -7.0 / 16);
}

TEST(Dmatrix, AllocFailureLeavesNoStorageAndSaysSo) {
  const std::size_t limit = DmatrixStorageLimit();
  SetDmatrixStorageLimit(100);
  dmatrix m;
  DmatrixMessages messages;
  allocdmatrix(&m, 20, 20, &messages);
  SetDmatrixStorageLimit(limit);
  EXPECT_EQ(m.data, nullptr);
  EXPECT_EQ(m.maxrnum, 20);
  EXPECT_EQ(m.maxcnum, 20);
  EXPECT_EQ(m.rnum, 0);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "allocdmatrix error\n");
  freedmatrix(&m);

  allocdmatrix(&m, -1, 5, &messages);
  EXPECT_EQ(m.data, nullptr);
  EXPECT_EQ(messages.size(), 2u);
}

TEST(Dmatrix, ClearWidensTheExtent) {
  dmatrix m;
  allocdmatrix(&m, 2, 330);
  cleardmatrix(&m, 0, 0, 0, 0);
  EXPECT_EQ(m.rnum, 0);
  EXPECT_EQ(m.cnum, 0);
  cleardmatrix(&m, 1, 0, 1, 330);
  EXPECT_EQ(m.rnum, 2);
  EXPECT_EQ(m.cnum, 330);
  EXPECT_EQ(m.at(1, 329), 0.0);
  m.at(0, 5) = 3.0;
  cleardmatrix(&m, 0, 0, 1, 1);  // a smaller region keeps the wider extent
  EXPECT_EQ(m.rnum, 2);
  EXPECT_EQ(m.cnum, 330);
  EXPECT_EQ(m.at(0, 5), 3.0);
  freedmatrix(&m);
}

TEST(Dmatrix, ClearNeverWritesOutsideItsMatrix) {
  // A 2 x 3 view in the middle of guarded storage.
  std::array<double, 16> storage;
  storage.fill(9.0);
  dmatrix m;
  setdmatrix(&m, storage.data() + 5, 2, 3);
  m.rnum = m.cnum = 0;
  DmatrixMessages messages;
  cleardmatrix(&m, 1, 1, 4, 5, &messages);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].text, "cleardmatrix : dmat->maxrnum < rstart + rnum !!!\n");
  EXPECT_EQ(messages[1].text, "cleardmatrix : dmat->maxcnum < cstart + cnum !!!\n");
  EXPECT_EQ(m.rnum, 2);  // no wider than the matrix
  EXPECT_EQ(m.cnum, 3);
  EXPECT_EQ(m.at(0, 0), 9.0);
  EXPECT_EQ(m.at(0, 2), 9.0);
  EXPECT_EQ(m.at(1, 1), 0.0);
  EXPECT_EQ(m.at(1, 2), 0.0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(storage[i], 9.0);
  for (int i = 11; i < 16; ++i) EXPECT_EQ(storage[i], 9.0);

  messages.clear();
  cleardmatrix(&m, -3, -3, 2, 2, &messages);  // wholly before the matrix
  EXPECT_TRUE(messages.empty());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(storage[i], 9.0);

  dmatrix empty;
  allocdmatrix(&empty, 0, 0);
  cleardmatrix(&empty, 0, 0, 3, 3, &messages);  // nothing to write into
  freedmatrix(&empty);
}

TEST(Dmatrix, FirstElementKeepsWholeNumbersExceptThoseJustAboveThem) {
  for (int v : {0, 10, 50, 100, 128, 200, 255}) EXPECT_EQ(Dither({Stored(v)}, 1, 1)[0], v) << v;
  // v * 1000 * 0.001 lies just above v for these, so the grid point above wins.
  const int movedUp[] = {11,  27,  43,  59,  75,  91,  107, 123, 133, 141, 149, 157,
                         165, 173, 181, 189, 194, 198, 202, 206, 210, 214, 218, 222};
  for (int v : movedUp) EXPECT_EQ(Dither({Stored(v)}, 1, 1)[0], v + 1) << v;
  int moved = 0;
  for (int v = 0; v < 256; ++v) moved += Dither({Stored(v)}, 1, 1)[0] != v;
  EXPECT_EQ(moved, 24);
}

TEST(Dmatrix, TheErrorOfAMovedValueLowersTheFollowingSums) {
  // One matrix row of 11s: the first becomes 12, and its error of -1 brings
  // the next below 11, where the grid point 11 catches it.
  const auto row = Dither(std::vector<double>(8, Stored(11)), 1, 8);
  EXPECT_EQ(row, (std::vector<double>{12, 11, 11, 11, 11, 11, 11, 11}));
  // 7/16 goes along the row, 5/16 to the next row.
  const auto twoRows = Dither({Stored(11), 20.0, 10.0, 10.25}, 2, 2);
  EXPECT_EQ(twoRows[0], 12);
  EXPECT_EQ(twoRows[1], 20);  // 20 - 5/16 rounds up to 20
  EXPECT_EQ(twoRows[2], 10);  // row 0, column 1: 10 - 7/16 -> 10
}

TEST(Dmatrix, RowPairsGiveWhatRowByRowGives) {
  // A third, empty weight row makes the diffusion go row by row; the results
  // must not differ in a single bit.
  double threeRows[9] = {0, -3.0 / 16, 0, 0, -5.0 / 16, 0, -7.0 / 16, -1.0 / 16, 0};
  std::uint32_t seed = 12345;
  for (auto [rows, columns] : {std::pair{7, 9}, {320, 320}, {2, 1}, {5, 2}, {1, 6}}) {
    std::vector<double> values;
    for (int i = 0; i < rows * columns; ++i) {
      seed = seed * 1103515245u + 12345u;
      values.push_back(std::min<int>((seed >> 8) % 256000, 255000) * 0.001);
    }
    const auto pairs = Dither(values, rows, columns);

    dmatrix img;
    setdmatrix(&img, values.data(), rows, columns);
    dmatrix kern;
    setdmatrix(&kern, threeRows, 3, 3);
    dmatrix acc;
    allocdmatrix(&acc, 3, columns + 10);
    ditherdmatrix(&img, &acc, &kern, 8);
    freedmatrix(&acc);
    EXPECT_EQ(values, pairs) << rows << " x " << columns;
  }
}

TEST(Dmatrix, OneBitGivesOnlyTheTwoEnds) {
  std::vector<double> values;
  for (int i = 0; i < 64; ++i) values.push_back(i * 4.0);
  for (double v : Dither(values, 8, 8, 1)) EXPECT_TRUE(v == 0 || v == 255) << v;
}

TEST(Dmatrix, DitherOfAnEmptyMatrixOnlyClearsTheAccumulator) {
  dmatrix img;
  allocdmatrix(&img, 4, 4);
  dmatrix kern;
  setdmatrix(&kern, kWeights, 2, 3);
  dmatrix acc;
  allocdmatrix(&acc, 2, 14);
  acc.data[27] = 5.0;
  ditherdmatrix(&img, &acc, &kern, 8);
  EXPECT_EQ(acc.data[27], 0.0);
  EXPECT_EQ(acc.rnum, 2);
  EXPECT_EQ(acc.cnum, 14);
  freedmatrix(&img);
  freedmatrix(&acc);
}

}  // namespace
}  // namespace vorlune
