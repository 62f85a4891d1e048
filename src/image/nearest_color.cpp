#include "image/nearest_color.h"

#include <algorithm>
#include <cstdlib>

namespace vorlune {

std::size_t NearestColor::Level::CellOf(int r, int g, int b) const {
  const int shift = 8 - bits;
  return (std::size_t(r >> shift) << (2 * bits)) | (std::size_t(g >> shift) << bits) |
         std::size_t(b >> shift);
}

NearestColor::NearestColor(const std::vector<Rgb>& palette, int cellBits) : palette_(palette) {
  for (auto [level, bits] : {std::pair{&coarse_, cellBits - 1}, {&fine_, cellBits}}) {
    level->bits = bits;
    level->start.assign(std::size_t{1} << (3 * bits), -1);
    level->count.assign(std::size_t{1} << (3 * bits), 0);
  }
  for (std::size_t i = 0; i < palette.size(); ++i) everyColor_.push_back(Candidate{0, static_cast<int>(i)});
}

int NearestColor::Find(int r, int g, int b) {
  const std::size_t cell = fine_.CellOf(r, g, b);
  if (fine_.start[cell] < 0) {
    const std::size_t outer = coarse_.CellOf(r, g, b);
    if (coarse_.start[outer] < 0) FillCell(coarse_, outer, r, g, b, everyColor_.data(), everyColor_.size());
    // Copied first: filling the fine cell may move the coarse pool.
    const std::vector<Candidate> from(coarse_.pool.begin() + coarse_.start[outer],
                                      coarse_.pool.begin() + coarse_.start[outer] + coarse_.count[outer]);
    FillCell(fine_, cell, r, g, b, from.data(), from.size());
  }
  const Candidate* candidate = &fine_.pool[std::size_t(fine_.start[cell])];
  int best = candidate[0].index;
  int bestDistance = 1 << 30;
  for (int i = 0; i < fine_.count[cell]; ++i) {
    // The rest are farther from every colour of the cell than the best so far.
    if (candidate[i].lowerBound > bestDistance) break;
    const Rgb& c = palette_[std::size_t(candidate[i].index)];
    const int dr = r - c.r, dg = g - c.g, db = b - c.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance || (distance == bestDistance && candidate[i].index < best)) {
      bestDistance = distance;
      best = candidate[i].index;
    }
  }
  return best;
}

void NearestColor::FillCell(Level& level, std::size_t cell, int r, int g, int b, const Candidate* from,
                            std::size_t n) {
  // A colour can be nearest to some point of the cell only if its nearest
  // point of the cell is no farther than the farthest point of the cell is
  // from the colour that is best in the worst case.
  const int width = 1 << (8 - level.bits);
  const int lo[3] = {r & ~(width - 1), g & ~(width - 1), b & ~(width - 1)};
  const std::size_t first = level.pool.size();
  farthest_.assign(n, 0);
  level.pool.resize(first + n);
  Candidate* out = &level.pool[first];
  for (std::size_t i = 0; i < n; ++i) {
    const Rgb& p = palette_[std::size_t(from[i].index)];
    const int c[3] = {p.r, p.g, p.b};
    int nearSum = 0;
    int farSum = 0;
    for (int k = 0; k < 3; ++k) {
      const int high = lo[k] + width - 1;
      const int near = std::max(0, std::max(lo[k] - c[k], c[k] - high));
      const int far = std::max(c[k] - lo[k], high - c[k]);
      nearSum += near * near;
      farSum += far * far;
    }
    out[i] = Candidate{nearSum, from[i].index};
    farthest_[i] = farSum;
  }
  const int bound = *std::min_element(farthest_.begin(), farthest_.end());
  const auto kept = std::remove_if(level.pool.begin() + static_cast<std::ptrdiff_t>(first), level.pool.end(),
                                   [bound](const Candidate& c) { return c.lowerBound > bound; });
  level.pool.erase(kept, level.pool.end());
  // Nearest first, so that a search can stop early; ties keep their order.
  std::stable_sort(level.pool.begin() + static_cast<std::ptrdiff_t>(first), level.pool.end(),
                   [](const Candidate& a, const Candidate& b) { return a.lowerBound < b.lowerBound; });
  level.start[cell] = static_cast<std::int32_t>(first);
  level.count[cell] = static_cast<std::uint8_t>(level.pool.size() - first);
}

}  // namespace vorlune
