#pragma once

#include <cstddef>
#include <vector>

#include "core/user_message.h"

namespace vorlune {

// A matrix of doubles with a fixed capacity and a used extent, stored column by
// column: element (r, c) is data[c * stride + r].
struct dmatrix {
  int maxrnum = 0;  // row capacity
  int maxcnum = 0;  // column capacity
  int rnum = 0;     // rows in use
  int cnum = 0;     // columns in use
  int stride = 0;   // elements from one column to the next, the row capacity
  double* data = nullptr;

  double& at(int r, int c) { return data[static_cast<std::size_t>(c) * stride + r]; }
  double at(int r, int c) const { return data[static_cast<std::size_t>(c) * stride + r]; }
};

// The helpers' messages ("allocdmatrix error\n", ...), in the order they arose.
using DmatrixMessages = std::vector<UserMessage>;

// Gives the matrix storage of maxrnum x maxcnum doubles (contents undefined)
// and an empty extent. Without storage, data stays null and "allocdmatrix
// error\n" is reported; the caller must not use the matrix then.
void allocdmatrix(dmatrix* dmat, int maxrnum, int maxcnum, DmatrixMessages* messages = nullptr);

// A view over existing numbers, all of them in use; it owns nothing.
void setdmatrix(dmatrix* dmat, double* data, int rows, int columns);

// Sets the region to 0.0 and widens the extent to cover it. A region beyond
// the capacity is reported; only its part inside the matrix is cleared and
// the extent never grows past the capacity.
void cleardmatrix(dmatrix* dmat, int rstart, int cstart, int rnum, int cnum,
                  DmatrixMessages* messages = nullptr);

// Releases storage made by allocdmatrix; the matrix keeps its sizes.
void freedmatrix(dmatrix* dmat);

// Error diffusion of img in place to 2^bits levels with the weights of kern,
// keeping as many error lines in acc as kern has rows.
void ditherdmatrix(dmatrix* img, dmatrix* acc, const dmatrix* kern, int bits,
                   DmatrixMessages* messages = nullptr);

// The most doubles one allocdmatrix hands out; larger requests fail as if the
// machine had no memory left. Lets callers' handling of that be tried out.
void SetDmatrixStorageLimit(std::size_t doubles);
std::size_t DmatrixStorageLimit();

}  // namespace vorlune
