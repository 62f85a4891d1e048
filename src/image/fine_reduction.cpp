#include "image/fine_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "image/bmp_fields.h"
#include "image/nearest_color.h"
#include "image/wu_quantizer.h"

namespace vorlune {

namespace {

constexpr int kMaxColors = 214;
constexpr int kRefinements = 4;
// Cells of the nearest-colour search: the refinement asks for few colours per
// cell, the mapping for many.
constexpr int kRefineCellBits = 4;
constexpr int kMapCellBits = 5;
// Errors of the dithering beyond this distance count as large.
constexpr int kLargeError = 10;

std::uint32_t KeyOf(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
}
Rgb ColorOf(std::uint32_t key) {
  return Rgb{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
             static_cast<std::uint8_t>(key)};
}

// The picture's distinct colours, ascending, with their pixel counts (a
// three-pass radix sort).
std::vector<WeightedColor> DistinctColors(const RgbImage& picture) {
  const std::size_t n = std::size_t(picture.width) * std::size_t(picture.height);
  std::vector<std::uint32_t> keys(n);
  std::vector<std::uint32_t> spare(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = KeyOf(&picture.rgb[i * 3]);
  for (int shift = 0; shift < 24; shift += 8) {
    std::array<std::size_t, 257> at{};
    for (std::uint32_t k : keys) ++at[((k >> shift) & 0xFF) + 1];
    for (int b = 0; b < 256; ++b) at[std::size_t(b) + 1] += at[std::size_t(b)];
    for (std::uint32_t k : keys) spare[at[(k >> shift) & 0xFF]++] = k;
    keys.swap(spare);
  }
  std::vector<WeightedColor> colors;
  for (std::size_t i = 0; i < n; ++i) {
    if (colors.empty() || colors.back().key != keys[i]) colors.push_back({keys[i], 0});
    ++colors.back().count;
  }
  return colors;
}

// Wu's boxes cannot be cut finer than its histogram (8 levels per channel),
// so a picture of few, close colours (a grey photograph) gets fewer than it
// may have. The free places go to the picture colours that are worst served,
// one at a time.
void AddFarthestColors(std::vector<Rgb>& palette, const std::vector<WeightedColor>& colors) {
  const auto distance = [](const Rgb& a, const Rgb& b) {
    const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
  };
  std::vector<int> nearest(colors.size(), 1 << 30);
  for (std::size_t i = 0; i < colors.size(); ++i) {
    for (const Rgb& p : palette) nearest[i] = std::min(nearest[i], distance(ColorOf(colors[i].key), p));
  }
  while (palette.size() < std::size_t(kMaxColors)) {
    std::size_t worst = 0;
    std::int64_t worstCost = 0;
    for (std::size_t i = 0; i < colors.size(); ++i) {
      const std::int64_t cost = std::int64_t{nearest[i]} * colors[i].count;
      if (cost > worstCost) worstCost = cost, worst = i;
    }
    if (worstCost == 0) return;
    const Rgb added = ColorOf(colors[worst].key);
    palette.push_back(added);
    for (std::size_t i = 0; i < colors.size(); ++i)
      nearest[i] = std::min(nearest[i], distance(ColorOf(colors[i].key), added));
  }
}

// Moves each colour to the weighted mean of the picture colours nearest to it.
std::vector<Rgb> Refine(std::vector<Rgb> palette, const std::vector<WeightedColor>& colors) {
  for (int round = 0; round < kRefinements; ++round) {
    NearestColor nearest(palette, kRefineCellBits);
    std::vector<std::array<std::int64_t, 4>> sums(palette.size(), {0, 0, 0, 0});
    for (const WeightedColor& c : colors) {
      const Rgb rgb = ColorOf(c.key);
      auto& s = sums[nearest.Find(rgb.r, rgb.g, rgb.b)];
      s[0] += std::int64_t{rgb.r} * c.count;
      s[1] += std::int64_t{rgb.g} * c.count;
      s[2] += std::int64_t{rgb.b} * c.count;
      s[3] += c.count;
    }
    bool moved = false;
    for (std::size_t i = 0; i < palette.size(); ++i) {
      const auto& s = sums[i];
      if (s[3] == 0) continue;  // keeps its place; it may win colours next round
      const Rgb mean{static_cast<std::uint8_t>((s[0] + s[3] / 2) / s[3]),
                     static_cast<std::uint8_t>((s[1] + s[3] / 2) / s[3]),
                     static_cast<std::uint8_t>((s[2] + s[3] / 2) / s[3])};
      moved = moved || !(mean == palette[i]);
      palette[i] = mean;
    }
    if (!moved) break;
  }
  return palette;
}

// Maps every pixel to its palette position, top row first.
std::vector<std::uint8_t> MapPlain(const RgbImage& picture, const std::vector<Rgb>& palette) {
  NearestColor nearest(palette, kMapCellBits);
  std::vector<std::uint8_t> out(std::size_t(picture.width) * std::size_t(picture.height));
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::uint8_t* p = &picture.rgb[i * 3];
    out[i] = static_cast<std::uint8_t>(nearest.Find(p[0], p[1], p[2]));
  }
  return out;
}

// Floyd-Steinberg, alternating direction per row; errors in sixteenths.
std::vector<std::uint8_t> MapDithered(const RgbImage& picture, const std::vector<Rgb>& palette) {
  NearestColor nearest(palette, kMapCellBits);
  const int w = picture.width;
  std::vector<std::uint8_t> out(std::size_t(w) * std::size_t(picture.height));
  // Two rows of errors with a spare column on each side.
  std::vector<int> current(std::size_t(w + 2) * 3, 0);
  std::vector<int> next(std::size_t(w + 2) * 3, 0);
  for (int y = 0; y < picture.height; ++y) {
    const bool forward = y % 2 == 0;
    const int step = forward ? 1 : -1;
    std::fill(next.begin(), next.end(), 0);
    for (int i = 0; i < w; ++i) {
      const int x = forward ? i : w - 1 - i;
      const std::size_t at = std::size_t(y) * std::size_t(w) + std::size_t(x);
      const std::uint8_t* p = &picture.rgb[at * 3];
      int v[3];
      for (int c = 0; c < 3; ++c) {
        const int e = current[std::size_t(x + 1) * 3 + std::size_t(c)];
        v[c] = std::clamp(p[c] + (e >= 0 ? (e + 8) >> 4 : -((-e + 8) >> 4)), 0, 255);
      }
      const int index = nearest.Find(v[0], v[1], v[2]);
      out[at] = static_cast<std::uint8_t>(index);
      const int got[3] = {palette[std::size_t(index)].r, palette[std::size_t(index)].g,
                          palette[std::size_t(index)].b};
      int error3[3];
      int size = 0;
      for (int c = 0; c < 3; ++c) {
        error3[c] = v[c] - got[c];
        size += error3[c] * error3[c];
      }
      // Three quarters of the error is passed on, and only a quarter of a large
      // one (an edge or fine detail, where diffusing it would only add noise).
      const int share = size > kLargeError * kLargeError ? 1 : 3;
      for (int c = 0; c < 3; ++c) {
        const int error = error3[c] * share / 4;
        current[std::size_t(x + 1 + step) * 3 + std::size_t(c)] += error * 7;
        next[std::size_t(x + 1 - step) * 3 + std::size_t(c)] += error * 3;
        next[std::size_t(x + 1) * 3 + std::size_t(c)] += error * 5;
        next[std::size_t(x + 1 + step) * 3 + std::size_t(c)] += error;
      }
    }
    current.swap(next);
  }
  return out;
}

IndexedPicture Assemble(const std::vector<Rgb>& palette, const std::vector<std::uint8_t>& topDown) {
  // Only the colours some pixel uses are kept, in their order.
  std::array<int, 256> newIndex{};
  newIndex.fill(-1);
  for (std::uint8_t i : topDown) newIndex[i] = 0;
  IndexedPicture picture;
  int used = 0;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    if (newIndex[i] < 0) continue;
    newIndex[i] = used;
    picture.palette[std::size_t(used++)] = palette[i];
  }
  picture.colorsUsed = static_cast<std::uint32_t>(used);
  picture.pixels.resize(kBackgroundPixels);
  for (int y = 0; y < kBackgroundSide; ++y) {
    for (int x = 0; x < kBackgroundSide; ++x) {
      picture.pixels[std::size_t(kBackgroundSide - 1 - y) * kBackgroundSide + std::size_t(x)] =
          static_cast<std::uint8_t>(newIndex[topDown[std::size_t(y) * kBackgroundSide + std::size_t(x)]]);
    }
  }
  return picture;
}

}  // namespace

IndexedPicture ReduceFinely(const RgbImage& picture, bool dither) {
  const std::vector<WeightedColor> colors = DistinctColors(picture);
  if (colors.size() <= kMaxColors) {
    std::vector<Rgb> own;
    for (const WeightedColor& c : colors) own.push_back(ColorOf(c.key));
    return Assemble(own, MapPlain(picture, own));
  }
  std::vector<Rgb> start = WuQuantize(colors, kMaxColors);
  if (start.size() < std::size_t(kMaxColors)) AddFarthestColors(start, colors);
  const std::vector<Rgb> palette = Refine(std::move(start), colors);
  return Assemble(palette, dither ? MapDithered(picture, palette) : MapPlain(picture, palette));
}

}  // namespace vorlune
