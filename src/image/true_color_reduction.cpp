#include <cstdlib>

#include "image/cell_index_table.h"
#include "image/indexed_picture.h"
#include "image/prefilter_true_color.h"

namespace vorlune {

namespace {

// For every value 0..255 the number of the nearest level; the lower number
// wins when two are equally near.
std::array<std::uint8_t, 256> NearestLevelTable(const ChannelLevels& levels) {
  std::array<std::uint8_t, 256> nearest{};
  for (int v = 0; v < 256; ++v) {
    int best = 0;
    for (int n = 1; n < 6; ++n) {
      if (std::abs(levels[n] - v) < std::abs(levels[best] - v)) best = n;
    }
    nearest[v] = static_cast<std::uint8_t>(best);
  }
  return nearest;
}

}  // namespace

IndexedPicture ReduceTrueColor(std::span<const std::uint8_t> file, const BmpFields& fields,
                               std::vector<UserMessage>* messages) {
  const auto source = file.subspan(fields.pixelOffset, PixelBytesOfDepth(24));
  std::vector<std::uint8_t> bgr(source.begin(), source.end());
  PrefilterTrueColor(bgr.data(), kBackgroundSide, kBackgroundSide, messages);

  std::array<ChannelHistogram, 3> histogram{};  // red, green, blue
  for (std::size_t p = 0; p < bgr.size(); p += 3) {
    ++histogram[0][bgr[p + 2]];
    ++histogram[1][bgr[p + 1]];
    ++histogram[2][bgr[p]];
  }
  const std::array<ChannelLevels, 3> levels{ComputeChannelLevels(histogram[0], Channel::Red),
                                            ComputeChannelLevels(histogram[1], Channel::Green),
                                            ComputeChannelLevels(histogram[2], Channel::Blue)};

  IndexedPicture picture;
  const ColorGrid grid = BuildColorGrid(levels, picture.palette);

  // Every cell's position, dropped cells already pointing at their replacement.
  std::array<std::uint8_t, 216> position{};
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      for (int k = 0; k < 6; ++k) position[(i * 6 + j) * 6 + k] = grid.PositionOf(Cell{i, j, k});
    }
  }
  const auto red = NearestLevelTable(levels[0]);
  const auto green = NearestLevelTable(levels[1]);
  const auto blue = NearestLevelTable(levels[2]);

  picture.pixels.resize(kBackgroundPixels);
  for (std::size_t n = 0; n < kBackgroundPixels; ++n) {
    const std::uint8_t* p = &bgr[n * 3];
    picture.pixels[n] = position[(red[p[2]] * 6 + green[p[1]]) * 6 + blue[p[0]]];
  }
  picture.colorsUsed = 214;
  return picture;
}

}  // namespace vorlune
