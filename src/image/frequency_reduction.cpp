#include <array>

#include "image/indexed_picture.h"

namespace vorlune {

namespace {

constexpr int kKept = 214;

int SquaredDistance(Rgb a, Rgb b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

}  // namespace

void ReduceByFrequency(std::span<const std::uint8_t> file, const BmpFields& fields, IndexedPicture& picture) {
  std::array<std::uint32_t, 256> count{};
  for (std::uint8_t p : picture.pixels) ++count[p];

  std::array<std::uint8_t, 256> order{};
  for (int i = 0; i < 256; ++i) order[i] = static_cast<std::uint8_t>(i);
  // This exact exchange sort decides which of equally frequent colours stay.
  for (int i = 0; i < 255; ++i) {
    for (int j = i + 1; j < 256; ++j) {
      if (count[i] < count[j]) {
        std::swap(count[i], count[j]);
        std::swap(order[i], order[j]);
      }
    }
  }

  for (int s = 0; s < kKept; ++s) picture.palette[s] = ColorTableEntry(file, fields, order[s]);

  std::array<std::uint8_t, 256> remap{};
  for (int s = kKept; s < 256; ++s) {
    if (count[s] == 0) continue;
    const Rgb colour = ColorTableEntry(file, fields, order[s]);
    int best = 0;
    int bestDistance = SquaredDistance(colour, picture.palette[0]);
    for (int k = 1; k < kKept; ++k) {
      const int distance = SquaredDistance(colour, picture.palette[k]);
      if (distance < bestDistance) {
        best = k;
        bestDistance = distance;
      }
    }
    remap[s] = static_cast<std::uint8_t>(best);
  }

  std::array<std::uint8_t, 256> rank{};
  for (int s = 0; s < 256; ++s) rank[order[s]] = static_cast<std::uint8_t>(s);
  for (std::uint8_t& p : picture.pixels) {
    const std::uint8_t r = rank[p];
    p = r < kKept ? r : remap[r];
  }
  picture.colorsUsed = kKept;
}

}  // namespace vorlune
