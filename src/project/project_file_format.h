#pragma once

#include <cstddef>
#include <cstdint>

namespace vorlune::project_format {

// Layout of the project file. H, the picture header length, is stored at
// offset 4; everything after the header moves with it.
inline constexpr std::size_t kSizeField = 0;
inline constexpr std::size_t kHeaderLengthField = 4;
inline constexpr std::size_t kColorsField = 8;
inline constexpr std::size_t kHeaderStart = 12;

// Offsets from the end of the picture header (12 + H).
inline constexpr std::size_t kPixelRows = 0;
inline constexpr std::size_t kPlacedCount = 102400;
inline constexpr std::size_t kName = kPlacedCount + 2;
inline constexpr std::size_t kAuthor = kName + 32;
inline constexpr std::size_t kVersion = kAuthor + 32;
inline constexpr std::size_t kRows = kVersion + 6;
inline constexpr std::size_t kRowSize = 12;

inline constexpr std::size_t kTextFieldSize = 32;
inline constexpr std::size_t kVersionFieldSize = 6;

// The file is this much longer than H: 103,766 bytes for H = 910.
inline constexpr std::size_t kBytesBesideHeader = kHeaderStart + kRows + 31 * kRowSize;
static_assert(kBytesBesideHeader == 102856);

// Limits a file must keep: the colour table starts after the 54 bytes of BMP
// headers, and the header plus the pixel rows must fit in the picture buffer.
inline constexpr std::uint32_t kBmpHeadersSize = 54;
inline constexpr std::uint32_t kMaxHeaderLength = 206080;  // 308,480 - 102,400
inline constexpr std::uint32_t kMaxColors = 239;           // palette entries 17..255
inline constexpr std::uint8_t kHighestPixel = 213;         // 214 background colours
inline constexpr std::uint8_t kNoColorByte = 0xFF;

}  // namespace vorlune::project_format
