#include "checks/dominant_colors.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "checks/linear_rgb.h"

namespace vorlune {

namespace {

struct Lab {
  double l, a, b;
};

double LabF(double t) {
  constexpr double kDelta = 6.0 / 29.0;
  return t > kDelta * kDelta * kDelta ? std::cbrt(t) : t / (3 * kDelta * kDelta) + 4.0 / 29.0;
}

// CIELAB under the D65 white point of sRGB.
Lab ToLab(Rgb c) {
  const double r = LinearChannel(c.r), g = LinearChannel(c.g), b = LinearChannel(c.b);
  const double x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047;
  const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
  const double z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883;
  const double fx = LabF(x), fy = LabF(y), fz = LabF(z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// CIE76: the plain distance in CIELAB. A difference of about 2.3 is the
// smallest the eye notices, so colours closer than 2 count as one.
bool NearIdentical(const Lab& p, const Lab& q) {
  const double dl = p.l - q.l, da = p.a - q.a, db = p.b - q.b;
  return dl * dl + da * da + db * db < 2.0 * 2.0;
}

struct Group {
  Rgb color;
  Lab lab;
  std::uint32_t count;
};

}  // namespace

std::vector<DominantColor> DominantColors(const PaletteHistogram& histogram, const SkinPalette& palette) {
  const std::uint64_t total = std::accumulate(histogram.begin(), histogram.end(), std::uint64_t{0});
  if (total == 0) return {};
  std::vector<int> entries;
  for (int i = 0; i < 256; ++i) {
    if (histogram[static_cast<std::size_t>(i)] != 0) entries.push_back(i);
  }
  // Most frequent first, so that each group is named after its commonest
  // colour and joins are measured from it: a gradient is not chained into one
  // group step by small step.
  std::stable_sort(entries.begin(), entries.end(), [&](int p, int q) {
    return histogram[static_cast<std::size_t>(p)] > histogram[static_cast<std::size_t>(q)];
  });
  std::vector<Group> groups;
  for (const int entry : entries) {
    const Rgb color = palette[static_cast<std::size_t>(entry)];
    const Lab lab = ToLab(color);
    const std::uint32_t count = histogram[static_cast<std::size_t>(entry)];
    const auto near =
        std::find_if(groups.begin(), groups.end(), [&](const Group& g) { return NearIdentical(g.lab, lab); });
    if (near != groups.end()) {
      near->count += count;
    } else {
      groups.push_back({color, lab, count});
    }
  }
  std::vector<DominantColor> dominant;
  for (const Group& g : groups) {
    const double share = static_cast<double>(g.count) / static_cast<double>(total);
    if (share >= kDominantShare) dominant.push_back({g.color, share});
  }
  std::stable_sort(dominant.begin(), dominant.end(),
                   [](const DominantColor& p, const DominantColor& q) { return p.share > q.share; });
  return dominant;
}

}  // namespace vorlune
