#include "image/dmatrix.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <new>

namespace vorlune {

namespace {

std::atomic<std::size_t> storageLimit{std::size_t{1} << 28};

void Report(DmatrixMessages* messages, const char* text) {
  if (messages != nullptr) messages->push_back(UserMessage{text, MessageIcon::Information});
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

void ditherdmatrix(dmatrix* img, dmatrix* acc, const dmatrix* kern, int bits, DmatrixMessages* messages) {
  cleardmatrix(acc, 0, 0, acc->maxrnum, acc->maxcnum, messages);
  if (img->rnum < 1) return;
  const int lines = kern->rnum;
  // Without weights, storage or enough error lines there is nothing sound to do.
  if (lines < 1 || img->data == nullptr || acc->data == nullptr || kern->data == nullptr) return;
  if (acc->maxrnum < lines || img->rnum > img->maxrnum || img->cnum > img->maxcnum) return;

  const double levels = std::ldexp(1.0, bits) - 1.0;
  const int centre = static_cast<int>(kern->cnum * 0.5 - 0.5);
  for (int r = 0; r < img->rnum; ++r) {
    for (int c = 0; c < img->cnum; ++c) {
      const double v = img->at(r, c);
      const double e = acc->at(r % lines, c);
      const double t = ((e + v) - 255) * (-0.00392156862745098) * levels;
      int q = static_cast<int>(t);
      if (q > t) q = q - 1;
      const double out = 255 - (q * 255) / levels;
      for (int kr = 0; kr < lines; ++kr) {
        for (int kc = 0; kc < kern->cnum; ++kc) {
          const int cc = c + kc - centre;
          if (0 <= cc && cc < acc->cnum) acc->at((r + kr) % lines, cc) += kern->at(kr, kc) * ((out - v) - e);
        }
      }
      img->at(r, c) = out;
    }
    cleardmatrix(acc, r % lines, 0, 1, acc->cnum, messages);
  }
}

}  // namespace vorlune
