#include <algorithm>

#include "image/indexed_picture.h"

namespace vorlune {

Rgb ColorTableEntry(std::span<const std::uint8_t> file, const BmpFields& fields, std::size_t index) {
  // Entries past the file's own table have no colour of their own.
  if (index >= ColorTableEntries(fields)) return Rgb{};
  const std::size_t at = fields.colorTableOffset() + 4 * index;
  return Rgb{file[at + 2], file[at + 1], file[at]};
}

namespace {

// Splits each byte into pixels of `bits` bits, most significant first.
void UnpackPixels(std::span<const std::uint8_t> packed, unsigned bits, std::uint8_t flip,
                  std::vector<std::uint8_t>& out) {
  const unsigned perByte = 8 / bits;
  const std::uint8_t mask = static_cast<std::uint8_t>((1u << bits) - 1);
  out.resize(packed.size() * perByte);
  std::size_t n = 0;
  for (std::uint8_t byte : packed) {
    byte ^= flip;
    for (unsigned i = 1; i <= perByte; ++i)
      out[n++] = static_cast<std::uint8_t>((byte >> (8 - i * bits)) & mask);
  }
}

void TakeTableEntries(std::span<const std::uint8_t> file, const BmpFields& fields, std::size_t count,
                      WorkingPalette& palette) {
  count = std::min(count, palette.size());
  for (std::size_t i = 0; i < count; ++i) palette[i] = ColorTableEntry(file, fields, i);
}

}  // namespace

IndexedPicture DecodeIndexedPicture(std::span<const std::uint8_t> file, const BmpFields& fields) {
  IndexedPicture picture;
  picture.colorsUsed = fields.colorsUsed;
  const unsigned bits = fields.bitsPerPixel;
  const auto packed = file.subspan(fields.pixelOffset, PixelBytesOfDepth(bits));

  if (bits == 1) {
    // Always shown black and white: a picture whose entry 0 is light is
    // inverted so that its light pixels become white.
    const Rgb first = ColorTableEntry(file, fields, 0);
    const bool invert = first.r != 0 && first.g != 0 && first.b != 0;
    UnpackPixels(packed, 1, invert ? 0xFF : 0x00, picture.pixels);
    picture.palette[1] = Rgb{255, 255, 255};
    if (picture.colorsUsed == 0) picture.colorsUsed = 2;
  } else if (bits == 2 || bits == 4) {
    UnpackPixels(packed, bits, 0, picture.pixels);
    if (picture.colorsUsed == 0) picture.colorsUsed = 1u << bits;
    TakeTableEntries(file, fields, picture.colorsUsed, picture.palette);
  } else {
    picture.pixels.assign(packed.begin(), packed.end());
    const bool wholeTable = fields.colorsUsed == 0 || fields.colorsUsed >= 216;
    TakeTableEntries(file, fields, wholeTable ? 216 : fields.colorsUsed, picture.palette);
  }
  return picture;
}

}  // namespace vorlune
