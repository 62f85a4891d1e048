#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "image/bmp_fields.h"
#include "image/indexed_picture.h"

namespace vorlune {

struct ConvertedBackground {
  std::vector<std::uint8_t> reducedBmp;  // 103,310 bytes
  std::uint32_t colorsUsed = 0;
};

// Turns a checked BMP file into the reduced 8-bit BMP with its 214-entry
// colour table: 1-, 2- and 4-bit pictures and 8-bit ones of up to 214 colours
// keep theirs, other 8-bit pictures keep their 214 most frequent colours and
// 24-bit pictures are reduced to a grid of levels.
ConvertedBackground ConvertBackground(std::span<const std::uint8_t> file, const BmpFields& fields,
                                      std::vector<UserMessage>* messages = nullptr);

// The reduced BMP file: fixed headers, palette entries 0..213, pixels as given.
std::vector<std::uint8_t> WriteReducedBmp(const IndexedPicture& picture);

// The display form: the reduced BMP's 910 header bytes followed by its rows
// top row first, each pixel turned into a skin palette index (+17).
std::vector<std::uint8_t> DisplayFormOf(std::span<const std::uint8_t> reducedBmp);

// The skin palette after an import: fixed entries 0..16, then the reduced
// BMP's 214 colours, the rest black.
SkinPalette SkinPaletteOf(std::span<const std::uint8_t> reducedBmp);

}  // namespace vorlune
