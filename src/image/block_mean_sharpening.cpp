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

// One line of `count` pixels, `step` bytes apart: the sharpened values from
// the saved originals `line`.
void SharpenLine(std::uint8_t* p, std::ptrdiff_t step, int count, int weight, std::vector<int>& line) {
  for (int i = 0; i < count; ++i) line[std::size_t(i)] = p[i * step];
  const int centre = (1 << kBits) + 2 * weight;
  for (int i = 0; i < count; ++i) {
    const int before = line[std::size_t(std::max(0, i - 1))];
    const int after = line[std::size_t(std::min(count - 1, i + 1))];
    const int v = (centre * line[std::size_t(i)] - weight * (before + after) + (1 << (kBits - 1))) >> kBits;
    p[i * step] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
  }
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
  if (weight <= 0) return;
  const int w = picture.width;
  const int h = picture.height;
  std::vector<int> line(std::size_t(std::max(w, h)));
  for (int y = 0; y < h; ++y) {
    for (int c = 0; c < 3; ++c)
      SharpenLine(&picture.rgb[std::size_t(y) * std::size_t(w) * 3 + std::size_t(c)], 3, w, weight, line);
  }
  for (int x = 0; x < w; ++x) {
    for (int c = 0; c < 3; ++c)
      SharpenLine(&picture.rgb[std::size_t(x) * 3 + std::size_t(c)], std::ptrdiff_t(w) * 3, h, weight, line);
  }
}

}  // namespace vorlune
