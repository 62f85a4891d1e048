#include <algorithm>
#include <cmath>

#include "image/dmatrix.h"

namespace vorlune {

namespace {

constexpr int kRowsAtOnce = 4;

// The grid point that v plus its accumulated error e moves to.
inline double GridPoint(double v, double e, double levels) {
  const double t = ((e + v) - 255) * (-0.00392156862745098) * levels;
  int q = static_cast<int>(t);
  if (q > t) q = q - 1;
  // With 255 levels the quotient is exactly q: skip the slow division.
  return levels == 255.0 ? 255.0 - q : 255 - (q * 255) / levels;
}

void DitherRow(dmatrix* img, dmatrix* acc, const dmatrix* kern, double levels, int r,
               std::vector<double*>& line) {
  const int lines = kern->rnum;
  const int centre = static_cast<int>(kern->cnum * 0.5 - 0.5);
  // Error line (r + kr) mod R, element c, is line[kr][c * acc->stride].
  for (int kr = 0; kr < lines; ++kr) line[kr] = acc->data + (r + kr) % lines;
  for (int c = 0; c < img->cnum; ++c) {
    const double v = img->at(r, c);
    const double e = line[0][static_cast<std::size_t>(c) * acc->stride];
    const double out = GridPoint(v, e, levels);
    const double error = (out - v) - e;
    for (int kr = 0; kr < lines; ++kr) {
      for (int kc = 0; kc < kern->cnum; ++kc) {
        const double weight = kern->at(kr, kc);
        // A zero weight adds only a zero, which changes no later sum.
        if (weight == 0.0) continue;
        const int cc = c + kc - centre;
        if (0 <= cc && cc < acc->cnum) line[kr][static_cast<std::size_t>(cc) * acc->stride] += weight * error;
      }
    }
    img->at(r, c) = out;
  }
}

// Two error lines and weights only towards the next element and the next
// row, as the pre-filter's are.
bool SuitsRowGroups(const dmatrix* kern) {
  return kern->rnum == 2 && kern->cnum == 3 && kern->at(0, 0) == 0.0 && kern->at(0, 1) == 0.0;
}

// Rows r to r + count - 1 at once, each two elements behind the one before,
// so that their dependency chains overlap. Every accumulator element still
// receives its additions in the same order as row by row (within a step the
// rows go in order), and each element is cleared once read instead of the
// whole line at the end of its row, which leaves the same numbers.
void DitherRowGroup(dmatrix* img, dmatrix* acc, const dmatrix* kern, double levels, int r, int count) {
  const double along = kern->at(0, 2);
  const double belowBefore = kern->at(1, 0);
  const double below = kern->at(1, 1);
  const double belowAfter = kern->at(1, 2);
  const int columns = img->cnum;
  const int accColumns = acc->cnum;
  const std::size_t stride = static_cast<std::size_t>(acc->stride);

  for (int s = 0; s < columns + 2 * (count - 1); ++s) {
    for (int i = 0; i < count; ++i) {
      const int c = s - 2 * i;
      if (c < 0 || c >= columns) continue;
      const int row = r + i;
      double* current = acc->data + row % 2;
      double* next = acc->data + (row + 1) % 2;
      double& slot = current[c * stride];
      const double v = img->at(row, c);
      const double e = slot;
      slot = 0.0;
      const double out = GridPoint(v, e, levels);
      const double error = (out - v) - e;
      if (c + 1 < accColumns) current[(c + 1) * stride] += along * error;
      if (c >= 1) next[(c - 1) * stride] += belowBefore * error;
      if (c < accColumns) next[c * stride] += below * error;
      if (c + 1 < accColumns) next[(c + 1) * stride] += belowAfter * error;
      img->at(row, c) = out;
      if (c == columns - 1) {
        for (int tail = columns; tail < accColumns; ++tail) current[tail * stride] = 0.0;
      }
    }
  }
}

}  // namespace

void ditherdmatrix(dmatrix* img, dmatrix* acc, const dmatrix* kern, int bits, DmatrixMessages* messages) {
  cleardmatrix(acc, 0, 0, acc->maxrnum, acc->maxcnum, messages);
  if (img->rnum < 1) return;
  const int lines = kern->rnum;
  // Without weights, storage or enough error lines and columns there is
  // nothing sound to do.
  if (lines < 1 || img->data == nullptr || acc->data == nullptr || kern->data == nullptr) return;
  if (acc->maxrnum < lines || acc->maxcnum < img->cnum) return;
  if (img->rnum > img->maxrnum || img->cnum > img->maxcnum) return;

  const double levels = std::ldexp(1.0, bits) - 1.0;
  int r = 0;
  if (SuitsRowGroups(kern)) {
    for (; r < img->rnum; r += kRowsAtOnce) {
      DitherRowGroup(img, acc, kern, levels, r, std::min(kRowsAtOnce, img->rnum - r));
    }
  }
  std::vector<double*> line(static_cast<std::size_t>(lines));
  for (; r < img->rnum; ++r) {
    DitherRow(img, acc, kern, levels, r, line);
    cleardmatrix(acc, r % lines, 0, 1, acc->cnum, messages);
  }
}

}  // namespace vorlune
