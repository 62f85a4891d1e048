#pragma once

#include <optional>

#include "layout/part_kind.h"

namespace vorlune {

// How the shape of a meter (kinds 9..20) divides: lanes side by side (the eight
// equaliser bands, the two level channels, the volume's single lane), each a
// run of units from its low end (the left for horizontal forms, the bottom for
// vertical ones). A unit is one pixel of a bar, or one dot or segment.
struct MeterGeometry {
  bool vertical = false;
  bool dotted = false;
  int lanes = 1;
  int laneFirst = 0;   // first pixel across the run of lane 0
  int laneStride = 0;  // from one lane to the next
  int laneWidth = 0;   // pixels across a lane
  int runLength = 0;   // pixels along a lane
  int units = 0;       // 64 or 32 for the volume, 128 or 16 for bands and channels

  // The unit at run position `pos` (0 = the low end), or -1 in a gap.
  int UnitAt(int pos) const;
  // The lane at `across` pixels across the runs, or -1 between lanes.
  int LaneAt(int across) const;
};

MeterGeometry MeterGeometryOf(PartKind k);

// Where a pixel of a meter's picture lies.
struct MeterCell {
  int lane;
  int unit;
};

// The lane and unit of pixel (x, y) of kind k's picture, or none outside them.
std::optional<MeterCell> MeterCellAt(const MeterGeometry& geometry, int x, int y);

}  // namespace vorlune
