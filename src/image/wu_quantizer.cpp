#include "image/wu_quantizer.h"

#include <array>

namespace vorlune {

namespace {

constexpr int kSide = 33;  // 32 levels per channel plus the zero plane of the sums

struct Box {
  int r0 = 0, r1 = 0, g0 = 0, g1 = 0, b0 = 0, b1 = 0;  // lower bounds exclusive
  int volume = 0;
};

enum Axis { Red, Green, Blue };

// Cumulative moments: weight, sums of each channel and of the squares.
class Moments {
 public:
  explicit Moments(const std::vector<WeightedColor>& colors) : table_(std::size_t(kSide) * kSide * kSide) {
    for (const WeightedColor& c : colors) {
      const int r = int(c.key >> 16), g = int((c.key >> 8) & 0xFF), b = int(c.key & 0xFF);
      Cell& cell = table_[Index((r >> 3) + 1, (g >> 3) + 1, (b >> 3) + 1)];
      cell[0] += c.count;
      cell[1] += std::int64_t{r} * c.count;
      cell[2] += std::int64_t{g} * c.count;
      cell[3] += std::int64_t{b} * c.count;
      cell[4] += std::int64_t{r * r + g * g + b * b} * c.count;
    }
    for (int r = 1; r < kSide; ++r) {
      std::array<Cell, kSide> area{};
      for (int g = 1; g < kSide; ++g) {
        Cell line{};
        for (int b = 1; b < kSide; ++b) {
          Cell& cell = table_[Index(r, g, b)];
          for (int m = 0; m < 5; ++m) {
            line[m] += cell[m];
            area[b][m] += line[m];
            cell[m] = table_[Index(r - 1, g, b)][m] + area[b][m];
          }
        }
      }
    }
  }

  std::int64_t Volume(const Box& x, int m) const {
    return At(x.r1, x.g1, x.b1, m) - At(x.r1, x.g1, x.b0, m) - At(x.r1, x.g0, x.b1, m) +
           At(x.r1, x.g0, x.b0, m) - At(x.r0, x.g1, x.b1, m) + At(x.r0, x.g1, x.b0, m) +
           At(x.r0, x.g0, x.b1, m) - At(x.r0, x.g0, x.b0, m);
  }
  std::int64_t Bottom(const Box& x, Axis axis, int m) const {
    switch (axis) {
      case Red:
        return -At(x.r0, x.g1, x.b1, m) + At(x.r0, x.g1, x.b0, m) + At(x.r0, x.g0, x.b1, m) -
               At(x.r0, x.g0, x.b0, m);
      case Green:
        return -At(x.r1, x.g0, x.b1, m) + At(x.r1, x.g0, x.b0, m) + At(x.r0, x.g0, x.b1, m) -
               At(x.r0, x.g0, x.b0, m);
      default:
        return -At(x.r1, x.g1, x.b0, m) + At(x.r1, x.g0, x.b0, m) + At(x.r0, x.g1, x.b0, m) -
               At(x.r0, x.g0, x.b0, m);
    }
  }
  std::int64_t Top(const Box& x, Axis axis, int at, int m) const {
    switch (axis) {
      case Red:
        return At(at, x.g1, x.b1, m) - At(at, x.g1, x.b0, m) - At(at, x.g0, x.b1, m) + At(at, x.g0, x.b0, m);
      case Green:
        return At(x.r1, at, x.b1, m) - At(x.r1, at, x.b0, m) - At(x.r0, at, x.b1, m) + At(x.r0, at, x.b0, m);
      default:
        return At(x.r1, x.g1, at, m) - At(x.r1, x.g0, at, m) - At(x.r0, x.g1, at, m) + At(x.r0, x.g0, at, m);
    }
  }
  double Variance(const Box& x) const {
    const double r = double(Volume(x, 1)), g = double(Volume(x, 2)), b = double(Volume(x, 3));
    return double(Volume(x, 4)) - (r * r + g * g + b * b) / double(Volume(x, 0));
  }

 private:
  using Cell = std::array<std::int64_t, 5>;
  static std::size_t Index(int r, int g, int b) {
    return (std::size_t(r) * kSide + std::size_t(g)) * kSide + std::size_t(b);
  }
  std::int64_t At(int r, int g, int b, int m) const { return table_[Index(r, g, b)][std::size_t(m)]; }
  std::vector<Cell> table_;
};

// The best cut of `box` across `axis`, and how good it is (0 for none).
double Maximize(const Moments& mo, const Box& box, Axis axis, int first, int last, int& cut,
                const std::array<std::int64_t, 4>& whole) {
  std::array<std::int64_t, 4> base{};
  for (int m = 0; m < 4; ++m) base[std::size_t(m)] = mo.Bottom(box, axis, m);
  double best = 0;
  cut = -1;
  for (int i = first; i < last; ++i) {
    std::array<std::int64_t, 4> half{};
    for (int m = 0; m < 4; ++m) half[std::size_t(m)] = base[std::size_t(m)] + mo.Top(box, axis, i, m);
    if (half[0] == 0 || half[0] == whole[0]) continue;
    const auto score = [](const std::array<std::int64_t, 4>& s) {
      const double r = double(s[1]), g = double(s[2]), b = double(s[3]);
      return (r * r + g * g + b * b) / double(s[0]);
    };
    std::array<std::int64_t, 4> rest{};
    for (std::size_t m = 0; m < 4; ++m) rest[m] = whole[m] - half[m];
    const double value = score(half) + score(rest);
    if (value > best) {
      best = value;
      cut = i;
    }
  }
  return best;
}

bool Cut(const Moments& mo, Box& one, Box& two) {
  std::array<std::int64_t, 4> whole{};
  for (int m = 0; m < 4; ++m) whole[std::size_t(m)] = mo.Volume(one, m);
  int cutR = -1, cutG = -1, cutB = -1;
  const double maxR = Maximize(mo, one, Red, one.r0 + 1, one.r1, cutR, whole);
  const double maxG = Maximize(mo, one, Green, one.g0 + 1, one.g1, cutG, whole);
  const double maxB = Maximize(mo, one, Blue, one.b0 + 1, one.b1, cutB, whole);
  two.r1 = one.r1, two.g1 = one.g1, two.b1 = one.b1;
  if (maxR >= maxG && maxR >= maxB) {
    if (cutR < 0) return false;
    two.r0 = one.r1 = cutR, two.g0 = one.g0, two.b0 = one.b0;
  } else if (maxG >= maxR && maxG >= maxB) {
    two.g0 = one.g1 = cutG, two.r0 = one.r0, two.b0 = one.b0;
  } else {
    two.b0 = one.b1 = cutB, two.r0 = one.r0, two.g0 = one.g0;
  }
  one.volume = (one.r1 - one.r0) * (one.g1 - one.g0) * (one.b1 - one.b0);
  two.volume = (two.r1 - two.r0) * (two.g1 - two.g0) * (two.b1 - two.b0);
  return true;
}

}  // namespace

std::vector<Rgb> WuQuantize(const std::vector<WeightedColor>& colors, int maxColors) {
  const Moments moments(colors);
  std::vector<Box> boxes(static_cast<std::size_t>(maxColors));
  std::vector<double> variance(static_cast<std::size_t>(maxColors), 0);
  boxes[0] = Box{0, kSide - 1, 0, kSide - 1, 0, kSide - 1, 32 * 32 * 32};
  int count = 1;
  std::size_t next = 0;
  while (count < maxColors) {
    if (Cut(moments, boxes[next], boxes[std::size_t(count)])) {
      variance[next] = boxes[next].volume > 1 ? moments.Variance(boxes[next]) : 0;
      variance[std::size_t(count)] =
          boxes[std::size_t(count)].volume > 1 ? moments.Variance(boxes[std::size_t(count)]) : 0;
      ++count;
    } else {
      variance[next] = 0;
    }
    // The box of most variance is cut next; the first of equals wins.
    next = 0;
    for (std::size_t k = 1; k < std::size_t(count); ++k) {
      if (variance[k] > variance[next]) next = k;
    }
    if (variance[next] <= 0) break;
  }
  std::vector<Rgb> palette;
  for (int k = 0; k < count; ++k) {
    const Box& box = boxes[std::size_t(k)];
    const std::int64_t weight = moments.Volume(box, 0);
    if (weight == 0) continue;
    const auto mean = [&](int m) {
      return static_cast<std::uint8_t>((moments.Volume(box, m) + weight / 2) / weight);
    };
    palette.push_back(Rgb{mean(1), mean(2), mean(3)});
  }
  return palette;
}

}  // namespace vorlune
