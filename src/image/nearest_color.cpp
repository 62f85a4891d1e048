#include "image/nearest_color.h"

#include <algorithm>
#include <cstdlib>

namespace vorlune {

NearestColor::NearestColor(const std::vector<Rgb>& palette, int cellBits)
    : palette_(palette),
      shift_(8 - cellBits),
      bits_(cellBits),
      start_(std::size_t{1} << (3 * cellBits), -1),
      count_(std::size_t{1} << (3 * cellBits), 0),
      nearest_(palette.size()) {
  for (int k = 0; k < 3; ++k) channel_[k].resize(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i) {
    channel_[0][i] = palette[i].r;
    channel_[1][i] = palette[i].g;
    channel_[2][i] = palette[i].b;
  }
}

int NearestColor::Find(int r, int g, int b) {
  const std::size_t cell =
      (std::size_t(r >> shift_) << (2 * bits_)) | (std::size_t(g >> shift_) << bits_) | std::size_t(b >> shift_);
  if (start_[cell] < 0) FillCell(cell, r, g, b);
  const Candidate* candidate = &pool_[std::size_t(start_[cell])];
  int best = candidate[0].index;
  int bestDistance = 1 << 30;
  for (int i = 0; i < count_[cell]; ++i) {
    // The rest are farther from every colour of the cell than the best so far.
    if (candidate[i].lowerBound > bestDistance) break;
    const Rgb& c = palette_[candidate[i].index];
    const int dr = r - c.r, dg = g - c.g, db = b - c.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance || (distance == bestDistance && candidate[i].index < best)) {
      bestDistance = distance;
      best = candidate[i].index;
    }
  }
  return best;
}

void NearestColor::FillCell(std::size_t cell, int r, int g, int b) {
  // A colour can be nearest to some point of the cell only if its nearest
  // point of the cell is no farther than the farthest point of the cell is
  // from the colour that is best in the worst case.
  const int mask = ~((1 << shift_) - 1);
  const int lo[3] = {r & mask, g & mask, b & mask};
  const std::size_t n = palette_.size();
  std::fill(nearest_.begin(), nearest_.end(), 0);
  farthest_.assign(n, 0);
  for (int k = 0; k < 3; ++k) {
    const int* c = channel_[k].data();
    const int low = lo[k], high = lo[k] + (1 << shift_) - 1;
    for (std::size_t i = 0; i < n; ++i) {
      const int near = std::max(0, std::max(low - c[i], c[i] - high));
      const int far = std::max(c[i] - low, high - c[i]);
      nearest_[i] += near * near;
      farthest_[i] += far * far;
    }
  }
  const int bound = *std::min_element(farthest_.begin(), farthest_.end());
  const std::size_t first = pool_.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (nearest_[i] <= bound) pool_.push_back(Candidate{nearest_[i], static_cast<int>(i)});
  }
  // Nearest first, so that a search can stop early; ties keep their order.
  std::stable_sort(pool_.begin() + static_cast<std::ptrdiff_t>(first), pool_.end(),
                   [](const Candidate& a, const Candidate& b) { return a.lowerBound < b.lowerBound; });
  start_[cell] = static_cast<std::int32_t>(first);
  count_[cell] = static_cast<std::uint8_t>(pool_.size() - first);
}

}  // namespace vorlune
