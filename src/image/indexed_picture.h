#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/user_message.h"
#include "image/bmp_fields.h"
#include "layout/skin_palette.h"

namespace vorlune {

// Entries 0..213 become the reduced picture's colour table; the two spare
// entries keep every index of the conversion in range.
using WorkingPalette = std::array<Rgb, 216>;

// A picture as the conversion hands it to the output: one colour-table
// position per pixel in file order (bottom row first) and the table itself.
struct IndexedPicture {
  std::vector<std::uint8_t> pixels;  // 320 x 320
  WorkingPalette palette{};
  std::uint32_t colorsUsed = 0;  // the picture colours used after the conversion
};

// Colour-table entry `index` of the file as red, green, blue.
Rgb ColorTableEntry(std::span<const std::uint8_t> file, const BmpFields& fields, std::size_t index);

// Decodes a checked 1-, 2-, 4- or 8-bit picture to one byte per pixel and
// fills the working palette from its colour table.
IndexedPicture DecodeIndexedPicture(std::span<const std::uint8_t> file, const BmpFields& fields);

// Keeps the 214 most frequent colours of a decoded 8-bit picture and maps the
// others to the nearest kept colour.
void ReduceByFrequency(std::span<const std::uint8_t> file, const BmpFields& fields, IndexedPicture& picture);

// Pre-filters and reduces a checked 24-bit picture to a 6 x 6 x 6 grid of
// levels minus two cells.
IndexedPicture ReduceTrueColor(std::span<const std::uint8_t> file, const BmpFields& fields,
                               std::vector<UserMessage>* messages);

}  // namespace vorlune
