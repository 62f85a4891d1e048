#include "image/dmatrix.h"

#include <algorithm>
#include <atomic>
#include <new>

namespace vorlune {

namespace {

std::atomic<std::size_t> storageLimit{std::size_t{1} << 28};

void Report(DmatrixMessages* messages, const char* text) {
  if (messages != nullptr)
    messages->push_back(UserMessage{text, MessageIcon::Information, MessageCode::ConversionWarning, {text}});
}

}  // namespace

void SetDmatrixStorageLimit(std::size_t doubles) {
  storageLimit = doubles;
}
std::size_t DmatrixStorageLimit() {
  return storageLimit;
}

void allocdmatrix(dmatrix* dmat, int maxrnum, int maxcnum, DmatrixMessages* messages) {
  dmat->maxrnum = maxrnum;
  dmat->stride = maxrnum;
  dmat->maxcnum = maxcnum;
  dmat->rnum = 0;
  dmat->cnum = 0;
  dmat->data = nullptr;
  if (maxrnum >= 0 && maxcnum >= 0) {
    const std::size_t count = static_cast<std::size_t>(maxrnum) * static_cast<std::size_t>(maxcnum);
    if (count <= storageLimit) dmat->data = new (std::nothrow) double[std::max<std::size_t>(count, 1)];
  }
  if (dmat->data == nullptr) Report(messages, "allocdmatrix error\n");
}

void setdmatrix(dmatrix* dmat, double* data, int rows, int columns) {
  dmat->maxrnum = rows;
  dmat->rnum = rows;
  dmat->stride = rows;
  dmat->maxcnum = columns;
  dmat->cnum = columns;
  dmat->data = data;
}

void cleardmatrix(dmatrix* dmat, int rstart, int cstart, int rnum, int cnum, DmatrixMessages* messages) {
  // 64-bit sums: a region given by huge numbers must not wrap round into range.
  const long long rend = static_cast<long long>(rstart) + rnum;
  const long long cend = static_cast<long long>(cstart) + cnum;
  if (dmat->maxrnum < rend) Report(messages, "cleardmatrix : dmat->maxrnum < rstart + rnum !!!\n");
  if (dmat->maxcnum < cend) Report(messages, "cleardmatrix : dmat->maxcnum < cstart + cnum !!!\n");

  const int r0 = std::max(rstart, 0);
  const int c0 = std::max(cstart, 0);
  const int r1 = static_cast<int>(std::min<long long>(rend, dmat->maxrnum));
  const int c1 = static_cast<int>(std::min<long long>(cend, dmat->maxcnum));
  if (dmat->data != nullptr) {
    for (int r = r0; r < r1; ++r) {
      for (int c = c0; c < c1; ++c) dmat->at(r, c) = 0.0;
    }
  }
  // The extent stays within the capacity, so later users stay inside too.
  dmat->rnum = std::max(dmat->rnum, std::max(r1, 0));
  dmat->cnum = std::max(dmat->cnum, std::max(c1, 0));
}

void freedmatrix(dmatrix* dmat) {
  delete[] dmat->data;
  dmat->data = nullptr;
}

}  // namespace vorlune
