#pragma once

#include <cstdint>
#include <vector>

#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The skin database bytes of a layout, made in memory exactly as Create would
// write them (the texts and time stamp aside, which the player does not show),
// so the simulator shows what the handheld would receive. A layout without a
// background yet shows its parts on black. Refused as Create would refuse it
// when the placed count does not match the parts.
Result<std::vector<std::uint8_t>> PlayerSkinBytes(const SkinLayout& layout);

}  // namespace vorlune
