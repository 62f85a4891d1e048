#pragma once

#include <cstdint>
#include <initializer_list>

#include "layout/skin_layout.h"

namespace vorlune::testing {

// A layout with a synthetic background: the pixel at (x, y) is palette index
// 17 + (x + 3 * y) % 214, and the background's colours are a simple ramp.
SkinLayout SyntheticLayout();

// Places kind k at (x, y) with the given colours and keeps the placed count.
void Place(SkinLayout& layout, PartKind k, int x, int y, ColorTriple colors);

// Seconds for 2024-06-01 12:00 UTC.
inline constexpr std::int64_t kSomeTime = 1717243200;

}  // namespace vorlune::testing
