#include "image/dmatrix.h"

#include <gtest/gtest.h>

#include <array>

namespace vorlune {
namespace {

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
