#include "mask_grid.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vorlune {

namespace {

// Lengths of the runs of identical lines along one axis.
std::vector<int> RunLengths(const MaskGrid& grid, bool rows) {
  const int lines = rows ? grid.height : grid.width;
  const int span = rows ? grid.width : grid.height;
  auto value = [&](int line, int i) { return rows ? grid.at(i, line) : grid.at(line, i); };
  std::vector<int> runs;
  for (int line = 0; line < lines; ++line) {
    bool same = line > 0;
    for (int i = 0; same && i < span; ++i) same = value(line, i) == value(line - 1, i);
    if (same) {
      ++runs.back();
    } else {
      runs.push_back(1);
    }
  }
  return runs;
}

std::vector<int> ShrunkLengths(const std::vector<int>& runs, double scale) {
  std::vector<int> out;
  for (int run : runs) out.push_back(std::max(1, static_cast<int>(std::lround(run * scale))));
  return out;
}

int Sum(const std::vector<int>& v) {
  return std::accumulate(v.begin(), v.end(), 0);
}

// The line index of the source for every line of the shrunk axis.
std::vector<int> ShrinkAxis(const MaskGrid& grid, bool rows, int limit) {
  const std::vector<int> runs = RunLengths(grid, rows);
  const int total = Sum(runs);
  std::vector<int> lengths = runs;
  if (total > limit) {
    // The largest scale whose shrunk runs still fit; the sum grows with the scale.
    double low = 0.0;
    double high = 1.0;
    for (int step = 0; step < 40; ++step) {
      const double mid = (low + high) / 2;
      (Sum(ShrunkLengths(runs, mid)) <= limit ? low : high) = mid;
    }
    lengths = ShrunkLengths(runs, low);
  }
  std::vector<int> source;
  int start = 0;
  for (std::size_t r = 0; r < runs.size(); ++r) {
    for (int i = 0; i < lengths[r]; ++i) source.push_back(start + std::min(i, runs[r] - 1));
    start += runs[r];
  }
  return source;
}

}  // namespace

MaskGrid UnpackMask(const MaskPicture& mask) {
  MaskGrid grid(mask.width, mask.height);
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x) grid.set(x, y, mask.at(x, y));
  return grid;
}

MaskGrid TrimEmptyBorder(const MaskGrid& grid) {
  int left = grid.width, right = -1, top = grid.height, bottom = -1;
  for (int y = 0; y < grid.height; ++y) {
    for (int x = 0; x < grid.width; ++x) {
      if (grid.at(x, y) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return MaskGrid();
  MaskGrid out(right - left + 1, bottom - top + 1);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.set(x, y, grid.at(left + x, top + y));
  return out;
}

MaskGrid ShrinkRunsToFit(const MaskGrid& grid, int maxWidth, int maxHeight) {
  const std::vector<int> rowSource = ShrinkAxis(grid, true, maxHeight);
  MaskGrid rowsDone(grid.width, static_cast<int>(rowSource.size()));
  for (int y = 0; y < rowsDone.height; ++y)
    for (int x = 0; x < grid.width; ++x)
      rowsDone.set(x, y, grid.at(x, rowSource[static_cast<std::size_t>(y)]));
  const std::vector<int> columnSource = ShrinkAxis(rowsDone, false, maxWidth);
  MaskGrid out(static_cast<int>(columnSource.size()), rowsDone.height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.set(x, y, rowsDone.at(columnSource[static_cast<std::size_t>(x)], y));
  return out;
}

MaskGrid CropToBox(const MaskGrid& grid, int maxWidth, int maxHeight, CropAnchor anchor) {
  const int width = std::min(grid.width, maxWidth);
  const int height = std::min(grid.height, maxHeight);
  const int left = anchor == CropAnchor::Left ? 0 : (grid.width - width) / 2;
  const int top = (grid.height - height) / 2;
  MaskGrid out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.set(x, y, grid.at(left + x, top + y));
  return out;
}

MaskGrid ScaleLettering(const MaskGrid& grid, int maxWidth, int maxHeight) {
  if (grid.width == 0 || grid.height == 0) return grid;
  const double scale = std::min(
      {1.0, static_cast<double>(maxWidth) / grid.width, static_cast<double>(maxHeight) / grid.height});
  MaskGrid out(std::max(1, static_cast<int>(grid.width * scale)),
               std::max(1, static_cast<int>(grid.height * scale)));
  constexpr int kSamples = 4;  // per axis and target pixel
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      int ink = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const int gx = std::min(grid.width - 1, static_cast<int>((x + (sx + 0.5) / kSamples) / scale));
          const int gy = std::min(grid.height - 1, static_cast<int>((y + (sy + 0.5) / kSamples) / scale));
          ink += grid.at(gx, gy) != 0 ? 1 : 0;
        }
      }
      const int share = ink * 10 / (kSamples * kSamples);
      out.set(x, y, share >= 5 ? 1 : share >= 2 ? kFaintInk : 0);
    }
  }
  return out;
}

}  // namespace vorlune
