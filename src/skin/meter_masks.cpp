#include <array>

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

// Value along a horizontal run of `length` pixels at `pos` (0 = the low end):
// on below the level, max on the peak mark, off elsewhere.
std::uint8_t RunValue(int pos, int level, int peakStart) {
  if (pos < level) return 2;
  if (peakStart >= 0 && pos >= peakStart && pos < peakStart + kPeakLength) return 3;
  return 1;
}

// A segmented run: segment s covers positions 8s + 1 .. 8s + 6 from the low end;
// the gaps and both ends stay 0. The first `lit` segments are on, segment
// `peakSegment` (if any) is max.
std::uint8_t SegmentValue(int pos, int lit, int peakSegment) {
  const int s = (pos - 1) / 8;
  const int within = (pos - 1) % 8;
  if (pos < 1 || within > 5) return 0;
  if (s < lit) return 2;
  if (s == peakSegment) return 3;
  return 1;
}

// Draws a family of runs along x (horizontal) or along y growing from the bottom
// (vertical). `value(lane, pos)` gives the pixel of lane `lane` at run position pos.
template <class ValueAt>
MaskPicture Runs(int width, int height, bool vertical, int lanes, int laneStride, int laneFirst,
                 int laneWidth, ValueAt value) {
  MaskPicture mask(width, height);
  const int runLength = vertical ? height : width;
  for (int lane = 0; lane < lanes; ++lane) {
    for (int across = laneFirst + lane * laneStride; across < laneFirst + lane * laneStride + laneWidth;
         ++across) {
      for (int pos = 0; pos < runLength; ++pos) {
        const std::uint8_t v = value(lane, pos);
        if (vertical) {
          mask.set(across, height - 1 - pos, v);
        } else {
          mask.set(pos, across, v);
        }
      }
    }
  }
  return mask;
}

MaskPicture VolumeMask(bool vertical, bool dotted) {
  const int width = vertical ? 6 : 64;
  const int height = vertical ? 64 : 6;
  // Horizontal dots sit on the even columns, vertical ones on the odd rows, so
  // counted from the low end both are the even positions.
  return Runs(width, height, vertical, 1, 0, 0, 6, [dotted](int, int pos) -> std::uint8_t {
    if (dotted && pos % 2 != 0) return 0;
    return pos < kVolumeLevel ? 2 : 1;
  });
}

MaskPicture EqualizerMask(bool vertical, bool dotted) {
  const int width = vertical ? 160 : 128;
  const int height = vertical ? 128 : 160;
  return Runs(width, height, vertical, 8, 20, 2, 16, [dotted](int band, int pos) -> std::uint8_t {
    const int level = kBandLevels[static_cast<std::size_t>(band)];
    return dotted ? SegmentValue(pos, level / 8, -1) : RunValue(pos, level, -1);
  });
}

MaskPicture LevelMask(bool vertical, bool dotted) {
  const int width = vertical ? 40 : 128;
  const int height = vertical ? 128 : 40;
  return Runs(width, height, vertical, 2, 20, 2, 16, [dotted](int channel, int pos) -> std::uint8_t {
    const int level = kChannelLevels[static_cast<std::size_t>(channel)];
    const int peak = kPeakStarts[static_cast<std::size_t>(channel)];
    return dotted ? SegmentValue(pos, level / 8, peak / 8) : RunValue(pos, level, peak);
  });
}

}  // namespace

MaskPicture MeterMask(PartKind k) {
  const bool vertical = (k - 9) % 2 == 1;  // forms: bar H, bar V, dots H, dots V
  const bool dotted = (k - 9) % 4 >= 2;
  if (k <= 12) return VolumeMask(vertical, dotted);
  if (k <= 16) return EqualizerMask(vertical, dotted);
  return LevelMask(vertical, dotted);
}

}  // namespace vorlune
