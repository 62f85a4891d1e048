#pragma once

#include <array>
#include <cstdint>

#include "layout/skin_layout.h"

namespace vorlune {

// Record 0 of a skin database: title at 0 (32 bytes), author at 32 (32),
// version at 64 (6), the count of placed parts at 70 (big-endian), zero to 96.
inline constexpr std::size_t kSkinInfoRecordSize = 96;
using SkinInfoRecord = std::array<std::uint8_t, kSkinInfoRecordSize>;

// The record for a layout. The title is copied as a text into zeroed bytes; the
// author and version fields are copied as they stand, so bytes an earlier,
// longer text left after the terminator go into the skin too (the handheld
// reads only up to the terminator). The count is the layout's placed count.
SkinInfoRecord MakeSkinInfoRecord(const SkinLayout& layout);

}  // namespace vorlune
