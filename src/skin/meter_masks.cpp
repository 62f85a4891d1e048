#include <array>

#include "skin/meter_geometry.h"
#include "skin/rule_masks.h"

namespace vorlune {

namespace {

// Sample levels the pictures show: the volume at 22 of 64, the eight equaliser
// bands and the two level-meter channels out of 128 with their peak marks.
constexpr int kVolumeLevel = 22;
constexpr std::array<int, 8> kBandLevels{40, 80, 57, 112, 96, 88, 48, 24};
constexpr std::array<int, 2> kChannelLevels{40, 80};
constexpr std::array<int, 2> kPeakStarts{88, 104};
constexpr int kPeakLength = 8;

// The sample of one lane: how many units from the low end are on, and which
// units show the peak mark (max).
struct LaneSample {
  int lit = 0;
  int peakFirst = -1;
  int peakLast = -1;
};

LaneSample SampleOf(PartKind k, const MeterGeometry& g, int lane) {
  const auto at = static_cast<std::size_t>(lane);
  if (k <= 12) return {g.dotted ? (kVolumeLevel + 1) / 2 : kVolumeLevel};  // dots on even pixels
  if (k <= 16) return {g.dotted ? kBandLevels[at] / 8 : kBandLevels[at]};
  if (g.dotted) return {kChannelLevels[at] / 8, kPeakStarts[at] / 8, kPeakStarts[at] / 8};
  return {kChannelLevels[at], kPeakStarts[at], kPeakStarts[at] + kPeakLength - 1};
}

}  // namespace

MaskPicture MeterMask(PartKind k) {
  const MeterGeometry g = MeterGeometryOf(k);
  const int width = KindInfo(k).width;
  const int height = KindInfo(k).height;
  MaskPicture mask(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::optional<MeterCell> cell = MeterCellAt(g, x, y);
      if (!cell) continue;
      const LaneSample sample = SampleOf(k, g, cell->lane);
      std::uint8_t value = 1;
      if (cell->unit < sample.lit) {
        value = 2;
      } else if (cell->unit >= sample.peakFirst && cell->unit <= sample.peakLast) {
        value = 3;
      }
      mask.set(x, y, value);
    }
  }
  return mask;
}

}  // namespace vorlune
