#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/rgb_image.h"

namespace vorlune {

// The bytes of a PNG file (8-bit RGB, no interlace) holding the picture. The
// pixel data goes into stored deflate blocks, so no compression library is
// needed; the files are larger than they could be, which is fine for previews.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

// Checksums the format asks for, exposed so tests can check chunks and streams.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace vorlune
