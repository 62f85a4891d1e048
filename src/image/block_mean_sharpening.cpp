#include "image/block_mean_sharpening.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vorlune {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBits = 12;

// A pixel-wide mean's response at `u` cycles per pixel.
double MeanResponse(double u) {
  return std::sin(kPi * u) / (kPi * u);
}

std::uint8_t Sharpened(int centre, int around, int weight) {
  const int v = (((1 << kBits) + 2 * weight) * centre - weight * around + (1 << (kBits - 1))) >> kBits;
  return static_cast<std::uint8_t>(std::clamp(v, 0, 255));
}

}  // namespace

double BlockMeanSharpening(int shortSide, int fittedSide) {
  if (shortSide <= 0 || fittedSide <= 0 || shortSide < fittedSide) return 0;
  // The finest fitted detail, in cycles per pixel of the means.
  const double u = 0.5 * fittedSide / shortSide;
  // What the means took from it, given back (less towards coarser detail).
  const double gain = 1 / MeanResponse(u);
  if (gain <= 1) return 0;
  return std::min(0.25, (gain - 1) / (2 * (1 - std::cos(2 * kPi * u))));
}

void SharpenBlockMeans(RgbImage& picture, double amount) {
  const int weight = int(std::lround(amount * (1 << kBits)));
  if (weight <= 0 || picture.width < 2 || picture.height < 2) return;
  // Row by row, from copies of the rows as they were: across, then down.
  const std::size_t n = std::size_t(picture.width) * 3;
  std::vector<std::uint8_t> above(n), here(n);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = &picture.rgb[std::size_t(y) * n];
    std::copy_n(row, n, here.begin());
    for (std::size_t i = 0; i < n; ++i) {
      const std::size_t left = i < 3 ? i : i - 3;
      const std::size_t right = i + 3 < n ? i + 3 : i;
      row[i] = Sharpened(here[i], here[left] + here[right], weight);
    }
  }
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = &picture.rgb[std::size_t(y) * n];
    const std::uint8_t* below = y + 1 < picture.height ? row + n : row;
    std::copy_n(row, n, here.begin());
    const std::uint8_t* up = y > 0 ? above.data() : here.data();
    for (std::size_t i = 0; i < n; ++i) row[i] = Sharpened(here[i], up[i] + below[i], weight);
    above.swap(here);
  }
}

}  // namespace vorlune
