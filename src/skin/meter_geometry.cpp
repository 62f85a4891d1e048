#include "skin/meter_geometry.h"

namespace vorlune {

namespace {

constexpr int kSegmentPitch = 8;  // a segment of 6 pixels and a gap of 2
constexpr int kSegmentLength = 6;

}  // namespace

int MeterGeometry::UnitAt(int pos) const {
  if (pos < 0 || pos >= runLength) return -1;
  if (!dotted) return pos;
  if (lanes == 1) return pos % 2 == 0 ? pos / 2 : -1;  // volume dots: every other pixel
  // Segment s covers positions 8s + 1 .. 8s + 6; the gaps and both ends stay empty.
  if (pos < 1 || (pos - 1) % kSegmentPitch >= kSegmentLength) return -1;
  return (pos - 1) / kSegmentPitch;
}

int MeterGeometry::LaneAt(int across) const {
  const int from = across - laneFirst;
  if (from < 0) return -1;
  const int lane = laneStride == 0 ? 0 : from / laneStride;
  if (lane >= lanes || from - lane * laneStride >= laneWidth) return -1;
  return lane;
}

MeterGeometry MeterGeometryOf(PartKind k) {
  MeterGeometry g;
  g.vertical = (k - 9) % 2 == 1;  // forms: bar H, bar V, dots H, dots V
  g.dotted = (k - 9) % 4 >= 2;
  if (k <= 12) {
    g.lanes = 1;
    g.laneWidth = 6;
    g.runLength = 64;
    g.units = g.dotted ? 32 : 64;
  } else {
    g.lanes = k <= 16 ? 8 : 2;
    g.laneFirst = 2;
    g.laneStride = 20;
    g.laneWidth = 16;
    g.runLength = 128;
    g.units = g.dotted ? 16 : 128;
  }
  return g;
}

std::optional<MeterCell> MeterCellAt(const MeterGeometry& g, int x, int y) {
  // Vertical runs grow from the bottom row of the picture.
  const int across = g.vertical ? x : y;
  const int pos = g.vertical ? g.runLength - 1 - y : x;
  const int lane = g.LaneAt(across);
  const int unit = g.UnitAt(pos);
  if (lane < 0 || unit < 0) return std::nullopt;
  return MeterCell{lane, unit};
}

}  // namespace vorlune
