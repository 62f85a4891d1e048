#include "digit_shape_support.h"

#include <algorithm>
#include <vector>

namespace vorlune::testing {

namespace {

// Labels the regions of pixels for which inked(x, y) == wantInk; returns the
// regions' count, and for blank regions how many of them never touch the edge.
struct Regions {
  int count = 0;
  int enclosed = 0;
};

Regions Label(const MaskPicture& mask, Window a, bool wantInk, bool diagonal) {
  const int w = a.x1 - a.x0;
  const int h = a.y1 - a.y0;
  std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
  Regions regions;
  std::vector<std::pair<int, int>> stack;
  for (int sy = 0; sy < h; ++sy) {
    for (int sx = 0; sx < w; ++sx) {
      if (seen[static_cast<std::size_t>(sy * w + sx)] || (mask.at(a.x0 + sx, a.y0 + sy) != 0) != wantInk)
        continue;
      ++regions.count;
      bool touchesEdge = false;
      stack.push_back({sx, sy});
      seen[static_cast<std::size_t>(sy * w + sx)] = 1;
      while (!stack.empty()) {
        const auto [x, y] = stack.back();
        stack.pop_back();
        if (x == 0 || y == 0 || x == w - 1 || y == h - 1) touchesEdge = true;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            if ((dx == 0 && dy == 0) || (!diagonal && dx != 0 && dy != 0)) continue;
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
            char& s = seen[static_cast<std::size_t>(ny * w + nx)];
            if (s || (mask.at(a.x0 + nx, a.y0 + ny) != 0) != wantInk) continue;
            s = 1;
            stack.push_back({nx, ny});
          }
        }
      }
      if (!touchesEdge) ++regions.enclosed;
    }
  }
  return regions;
}

}  // namespace

Window InkBounds(const MaskPicture& mask, Window a) {
  Window b{a.x1, a.y1, 0, 0};
  for (int y = a.y0; y < a.y1; ++y) {
    for (int x = a.x0; x < a.x1; ++x) {
      if (mask.at(x, y) == 0) continue;
      b = {std::min(b.x0, x), std::min(b.y0, y), std::max(b.x1, x + 1), std::max(b.y1, y + 1)};
    }
  }
  return b;
}

int InkCount(const MaskPicture& mask, Window a) {
  int n = 0;
  for (int y = a.y0; y < a.y1; ++y)
    for (int x = a.x0; x < a.x1; ++x) n += mask.at(x, y) != 0 ? 1 : 0;
  return n;
}

int InkPieces(const MaskPicture& mask, Window a) {
  return Label(mask, a, true, true).count;
}

// Blank pixels connect only at their sides, so a diagonal step of ink closes a counter.
int Counters(const MaskPicture& mask, Window a) {
  return Label(mask, a, false, false).enclosed;
}

int ValuesOtherThanInk(const MaskPicture& mask, Window a) {
  int n = 0;
  for (int y = a.y0; y < a.y1; ++y)
    for (int x = a.x0; x < a.x1; ++x) n += mask.at(x, y) > 1 ? 1 : 0;
  return n;
}

}  // namespace vorlune::testing
