#include "image/nearest_color.h"

#include <cmath>

namespace vorlune {

NearestColor::NearestColor(const std::vector<Rgb>& palette)
    : palette_(palette), start_(32 * 32 * 32, -1), count_(32 * 32 * 32, 0) {}

int NearestColor::Find(int r, int g, int b) {
  const std::size_t cell = (std::size_t(r >> 3) << 10) | (std::size_t(g >> 3) << 5) | std::size_t(b >> 3);
  if (start_[cell] < 0) FillCell(cell, r, g, b);
  const std::uint8_t* candidate = &pool_[std::size_t(start_[cell])];
  int best = candidate[0];
  int bestDistance = 1 << 30;
  for (int i = 0; i < count_[cell]; ++i) {
    const Rgb& c = palette_[candidate[i]];
    const int dr = r - c.r, dg = g - c.g, db = b - c.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = candidate[i];
    }
  }
  return best;
}

void NearestColor::FillCell(std::size_t cell, int r, int g, int b) {
  // In doubled units the cell's centre is a whole number; no colour of the
  // cell is farther from it than `reach`.
  const int cr = (r >> 3) * 16 + 7, cg = (g >> 3) * 16 + 7, cb = (b >> 3) * 16 + 7;
  const double reach = std::sqrt(3.0) * 7;
  std::vector<int> distance(palette_.size());
  int nearest = 1 << 30;
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    const int dr = 2 * palette_[i].r - cr, dg = 2 * palette_[i].g - cg, db = 2 * palette_[i].b - cb;
    distance[i] = dr * dr + dg * dg + db * db;
    if (distance[i] < nearest) nearest = distance[i];
  }
  // Any colour nearest to some point of the cell lies within this of the centre.
  const double bound = std::sqrt(double(nearest)) + 2 * reach + 1;
  start_[cell] = static_cast<std::int32_t>(pool_.size());
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    if (double(distance[i]) <= bound * bound) pool_.push_back(static_cast<std::uint8_t>(i));
  }
  count_[cell] = static_cast<std::uint8_t>(pool_.size() - std::size_t(start_[cell]));
}

}  // namespace vorlune
