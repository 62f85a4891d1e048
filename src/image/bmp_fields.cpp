#include "image/bmp_fields.h"

#include <algorithm>

#include "core/byte_order.h"

namespace vorlune {

BmpFields ReadBmpFields(std::span<const std::uint8_t> file) {
  BmpFields fields;
  fields.pixelOffset = ReadLE32(file, 10);
  fields.infoSize = ReadLE32(file, 14);
  fields.width = static_cast<std::int32_t>(ReadLE32(file, 18));
  fields.height = static_cast<std::int32_t>(ReadLE32(file, 22));
  fields.bitsPerPixel = ReadLE16(file, 28);
  fields.compression = ReadLE32(file, 30);
  fields.colorsUsed = ReadLE32(file, 46);
  return fields;
}

std::size_t PixelBytesOfDepth(unsigned bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 24:
      // Every row length is a multiple of 4 bytes already, so rows carry no filler.
      return kBackgroundPixels * bitsPerPixel / 8;
    default:
      return 0;
  }
}

std::size_t ColorTableEntries(const BmpFields& fields) {
  const std::size_t full = std::size_t{1} << fields.bitsPerPixel;
  if (fields.colorsUsed == 0) return full;
  return std::min<std::size_t>(fields.colorsUsed, full);
}

bool NeedsColorReduction(const BmpFields& fields) {
  return fields.bitsPerPixel == 24 ||
         (fields.bitsPerPixel == 8 && (fields.colorsUsed == 0 || fields.colorsUsed > 214));
}

}  // namespace vorlune
