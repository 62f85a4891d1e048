#pragma once

#include <cstdint>

#include "layout/part_kind.h"

namespace vorlune {

struct CanvasPoint {
  std::int32_t x = -1;
  std::int32_t y = -1;
  friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

inline constexpr CanvasPoint kNoPosition{-1, -1};

// What is being placed or moved right now, and where its preview stands.
struct PlacementState {
  PartKind currentKind = kNoKind;  // 0 idle; 1..30 placing or moving that kind
  std::uint8_t movingFlag = 0;     // 1 when the current kind was lifted from the canvas
  CanvasPoint preview = kNoPosition;
  CanvasPoint lastPreview = kNoPosition;
};

}  // namespace vorlune
