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

}  // namespace
}  // namespace vorlune
