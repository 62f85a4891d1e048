#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "image/bmp_fields.h"

namespace vorlune {

// The distinct colours among the pixels of a checked 320 x 320 BMP: an
// 8-bit picture's through its colour table, a 24-bit one's as stored.
// Pictures of fewer bits have at most 16 and give 0.
std::size_t DistinctBmpColours(std::span<const std::uint8_t> file, const BmpFields& fields);

}  // namespace vorlune
