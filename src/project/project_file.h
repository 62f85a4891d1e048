#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/result.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The project file (.hqd): the reduced background, the database texts and the
// position and colours of every row. Numbers are big-endian.

// The bytes of the project file for a layout that has a background.
std::vector<std::uint8_t> WriteProjectFile(const SkinLayout& layout);

// Reads and checks a whole project file. On success the layout is filled as
// the Load command fills it (sizes from the kind table, nothing being placed or
// moved); a damaged or foreign file is refused with the user's message.
Result<SkinLayout> ReadProjectFile(std::span<const std::uint8_t> file);

}  // namespace vorlune
