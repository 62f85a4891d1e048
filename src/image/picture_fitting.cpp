#include "image/picture_fitting.h"

#include <algorithm>
#include <cmath>

#include "image/bmp_fields.h"

namespace vorlune {

namespace {

constexpr int kWeightBits = 14;
constexpr int kMiddleBits = 7;  // extra precision kept between the two passes

// The part of the source a fitted picture shows, in source pixels.
struct Region {
  double x = 0, y = 0, width = 0, height = 0;
};

// Per output position: the first source index and the fixed-point weights.
struct AxisWeights {
  std::vector<int> first;
  std::vector<int> count;
  std::vector<int> weights;  // `taps` per output position
  int taps = 0;
};

double Lanczos3(double x) {
  if (x == 0) return 1;
  if (x <= -3 || x >= 3) return 0;
  const double pi = 3.14159265358979323846;
  return 3 * std::sin(pi * x) * std::sin(pi * x / 3) / (pi * pi * x * x);
}

AxisWeights WeightsFor(int sourceSize, double start, double length, int outSize) {
  const double scale = length / outSize;
  const double support = 3 * std::max(1.0, scale);
  AxisWeights axis;
  axis.taps = static_cast<int>(std::ceil(support)) * 2 + 1;
  axis.first.resize(std::size_t(outSize));
  axis.count.resize(std::size_t(outSize));
  axis.weights.assign(std::size_t(outSize) * std::size_t(axis.taps), 0);
  std::vector<double> w(static_cast<std::size_t>(axis.taps));
  for (int o = 0; o < outSize; ++o) {
    const double centre = start + (o + 0.5) * scale;
    const int lo = std::max(0, static_cast<int>(std::floor(centre - support)));
    const int hi = std::min(sourceSize - 1, static_cast<int>(std::ceil(centre + support)));
    const int n = std::min(hi - lo + 1, axis.taps);
    double sum = 0;
    for (int i = 0; i < n; ++i) {
      w[std::size_t(i)] = Lanczos3((lo + i + 0.5 - centre) / std::max(1.0, scale));
      sum += w[std::size_t(i)];
    }
    // Normalised so that the fixed-point weights add up exactly to one.
    int total = 0;
    int biggest = 0;
    for (int i = 0; i < n; ++i) {
      const int v = static_cast<int>(std::lround(w[std::size_t(i)] / sum * (1 << kWeightBits)));
      axis.weights[std::size_t(o) * std::size_t(axis.taps) + std::size_t(i)] = v;
      total += v;
      if (w[std::size_t(i)] > w[std::size_t(biggest)]) biggest = i;
    }
    axis.weights[std::size_t(o) * std::size_t(axis.taps) + std::size_t(biggest)] +=
        (1 << kWeightBits) - total;
    axis.first[std::size_t(o)] = lo;
    axis.count[std::size_t(o)] = n;
  }
  return axis;
}

// Resamples `region` of the picture to outWidth x outHeight.
RgbImage Resample(const RgbImage& picture, Region region, int outWidth, int outHeight) {
  const AxisWeights across = WeightsFor(picture.width, region.x, region.width, outWidth);
  const AxisWeights down = WeightsFor(picture.height, region.y, region.height, outHeight);
  const int firstRow = down.first.front();
  const int lastRow = down.first.back() + down.count.back() - 1;

  // Horizontal pass over the rows the vertical one reads.
  const std::size_t rows = std::size_t(lastRow - firstRow + 1);
  std::vector<std::int32_t> middle(rows * std::size_t(outWidth) * 3);
  for (std::size_t r = 0; r < rows; ++r) {
    const std::uint8_t* line = &picture.rgb[(std::size_t(firstRow) + r) * std::size_t(picture.width) * 3];
    std::int32_t* to = &middle[r * std::size_t(outWidth) * 3];
    for (int o = 0; o < outWidth; ++o) {
      const int* w = &across.weights[std::size_t(o) * std::size_t(across.taps)];
      const std::uint8_t* p = line + std::size_t(across.first[std::size_t(o)]) * 3;
      std::int32_t sum[3] = {0, 0, 0};
      for (int i = 0; i < across.count[std::size_t(o)]; ++i, p += 3) {
        sum[0] += w[i] * p[0];
        sum[1] += w[i] * p[1];
        sum[2] += w[i] * p[2];
      }
      for (int c = 0; c < 3; ++c)
        to[o * 3 + c] = (sum[c] + (1 << (kWeightBits - kMiddleBits - 1))) >> (kWeightBits - kMiddleBits);
    }
  }

  RgbImage out(outWidth, outHeight);
  const int shift = kWeightBits + kMiddleBits;
  for (int y = 0; y < outHeight; ++y) {
    const int* w = &down.weights[std::size_t(y) * std::size_t(down.taps)];
    const std::size_t top = std::size_t(down.first[std::size_t(y)] - firstRow);
    for (int x = 0; x < outWidth * 3; ++x) {
      std::int64_t sum = 0;
      for (int i = 0; i < down.count[std::size_t(y)]; ++i)
        sum +=
            std::int64_t{w[i]} * middle[(top + std::size_t(i)) * std::size_t(outWidth) * 3 + std::size_t(x)];
      const std::int64_t v = (sum + (std::int64_t{1} << (shift - 1))) >> shift;
      out.rgb[std::size_t(y) * std::size_t(outWidth) * 3 + std::size_t(x)] =
          static_cast<std::uint8_t>(std::clamp<std::int64_t>(v, 0, 255));
    }
  }
  return out;
}

// Averages blocks of factor x factor pixels (partial blocks at the edges
// average what they have).
RgbImage ShrinkByBlocks(const RgbImage& picture, int factor) {
  const int w = (picture.width + factor - 1) / factor;
  const int h = (picture.height + factor - 1) / factor;
  RgbImage out(w, h);
  std::vector<std::uint32_t> sums(std::size_t(w) * 3);
  std::vector<std::uint32_t> counts(static_cast<std::size_t>(w));
  for (int by = 0; by < h; ++by) {
    std::fill(sums.begin(), sums.end(), 0);
    std::fill(counts.begin(), counts.end(), 0);
    for (int y = by * factor; y < std::min(picture.height, (by + 1) * factor); ++y) {
      const std::uint8_t* p = &picture.rgb[std::size_t(y) * std::size_t(picture.width) * 3];
      // Block by block rather than a division per pixel.
      for (int x0 = 0, b = 0; x0 < picture.width; x0 += factor, ++b) {
        const int x1 = std::min(picture.width, x0 + factor);
        std::uint32_t* sum = &sums[std::size_t(b) * 3];
        for (int x = x0; x < x1; ++x, p += 3) {
          sum[0] += p[0];
          sum[1] += p[1];
          sum[2] += p[2];
        }
        counts[std::size_t(b)] += std::uint32_t(x1 - x0);
      }
    }
    for (int bx = 0; bx < w; ++bx) {
      for (int c = 0; c < 3; ++c) {
        out.rgb[(std::size_t(by) * std::size_t(w) + std::size_t(bx)) * 3 + std::size_t(c)] =
            static_cast<std::uint8_t>(
                (sums[std::size_t(bx) * 3 + std::size_t(c)] + counts[std::size_t(bx)] / 2) /
                counts[std::size_t(bx)]);
      }
    }
  }
  return out;
}

// Scales the region and the picture down by whole blocks while the resampling
// would still reduce by more than two.
RgbImage FitRegion(const RgbImage& picture, Region region, int outWidth, int outHeight) {
  const double ratio = std::min(region.width / outWidth, region.height / outHeight);
  const int factor = static_cast<int>(ratio / 2);
  if (factor < 2) return Resample(picture, region, outWidth, outHeight);
  const RgbImage small = ShrinkByBlocks(picture, factor);
  const Region scaled{region.x / factor, region.y / factor, region.width / factor, region.height / factor};
  return Resample(small, scaled, outWidth, outHeight);
}

}  // namespace

CropWindow CoverCropWindow(int width, int height, FitFocus focus) {
  const double w = width;
  const double h = height;
  // The shorter side, computed as the fit's scale gives it.
  const double scale = std::max(kBackgroundSide / w, kBackgroundSide / h);
  const double side = kBackgroundSide / scale;
  // Out of range is held at the edge; a value that is no number at all is the middle.
  const double fx = std::isnan(focus.x) ? 0.5 : std::clamp(focus.x, 0.0, 1.0);
  const double fy = std::isnan(focus.y) ? 0.5 : std::clamp(focus.y, 0.0, 1.0);
  // At the middle this is exactly (w - side) / 2: halving is exact.
  return CropWindow{std::clamp(fx * w - side / 2, 0.0, w - side),
                    std::clamp(fy * h - side / 2, 0.0, h - side), side, side};
}

ContainArea ContainedArea(int width, int height) {
  const int side = kBackgroundSide;
  const double scale = std::min(side / double(width), side / double(height));
  const int ow = std::clamp(static_cast<int>(std::lround(width * scale)), 1, side);
  const int oh = std::clamp(static_cast<int>(std::lround(height * scale)), 1, side);
  return {(side - ow) / 2, (side - oh) / 2, ow, oh};
}

RgbImage FitPicture(const RgbImage& picture, FitMode mode, Rgb matte, FitFocus focus) {
  const int side = kBackgroundSide;
  if (picture.width == side && picture.height == side) return picture;
  const double w = picture.width;
  const double h = picture.height;
  if (mode == FitMode::Stretch) return FitRegion(picture, Region{0, 0, w, h}, side, side);
  if (mode == FitMode::Cover) {
    const CropWindow kept = CoverCropWindow(picture.width, picture.height, focus);
    return FitRegion(picture, Region{kept.x, kept.y, kept.width, kept.height}, side, side);
  }
  const ContainArea area = ContainedArea(picture.width, picture.height);
  const RgbImage inner = FitRegion(picture, Region{0, 0, w, h}, area.width, area.height);
  RgbImage out(side, side, matte);
  for (int y = 0; y < area.height; ++y) {
    std::copy_n(&inner.rgb[std::size_t(y) * std::size_t(area.width) * 3], std::size_t(area.width) * 3,
                &out.rgb[(std::size_t(area.y + y) * side + std::size_t(area.x)) * 3]);
  }
  return out;
}

}  // namespace vorlune
