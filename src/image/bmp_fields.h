#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vorlune {

// A background picture is a 320 x 320 BMP; these are the header fields the
// import reads (little-endian, offsets of the file).
inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpHeadersSize = 54;  // file header and the smallest information header
inline constexpr std::int32_t kBackgroundSide = 320;
inline constexpr std::size_t kBackgroundPixels = 320 * 320;

struct BmpFields {
  std::uint32_t pixelOffset = 0;  // bfOffBits
  std::uint32_t infoSize = 0;     // biSize
  std::int32_t width = 0;         // biWidth
  std::int32_t height = 0;        // biHeight
  std::uint16_t bitsPerPixel = 0;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;  // biClrUsed

  // The colour table follows the information header, whatever its version.
  std::size_t colorTableOffset() const { return kBmpFileHeaderSize + std::size_t{infoSize}; }
};

// Reads the fields of a file of at least 54 bytes.
BmpFields ReadBmpFields(std::span<const std::uint8_t> file);

// Bytes of the 320 pixel rows at a depth the import converts, 0 for any other.
std::size_t PixelBytesOfDepth(unsigned bitsPerPixel);

// Entries in the colour table of a 1-, 2-, 4- or 8-bit picture: biClrUsed, or
// the depth's full count when it is 0, never more than the depth can index.
std::size_t ColorTableEntries(const BmpFields& fields);

// True for a picture with more than 214 colours, which is reduced on import.
bool NeedsColorReduction(const BmpFields& fields);

}  // namespace vorlune
