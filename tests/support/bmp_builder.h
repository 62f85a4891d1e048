#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune::testing {

// Describes a BMP file for the tests; Bytes() lays it out. By default a
// 320 x 320, uncompressed picture with a 40-byte information header whose
// pixel rows follow the colour table directly.
struct TestBmp {
  std::uint16_t bitsPerPixel = 24;
  std::int32_t width = 320;
  std::int32_t height = 320;
  std::uint32_t compression = 0;
  std::uint32_t colorsUsed = 0;
  std::uint32_t infoSize = 40;
  std::vector<Rgb> table;                    // written right after the information header
  std::vector<std::uint8_t> pixels;          // packed rows in file order (bottom row first)
  std::optional<std::uint32_t> pixelOffset;  // default: right after the table
  std::uint8_t fill = 0;                     // bytes between the table and the pixels

  std::vector<std::uint8_t> Bytes() const;
};

// A picture of 1, 2, 4 or 8 bits with the given table and one index per pixel
// (row 0 = first row in the file).
TestBmp Indexed(unsigned bits, std::vector<Rgb> table, std::uint32_t colorsUsed,
                const std::function<std::uint8_t(int x, int row)>& index);

// A 24-bit picture with a colour per pixel (row 0 = first row in the file).
TestBmp TrueColor(const std::function<Rgb(int x, int row)>& colour);

// Table of `count` distinct colours: entry i is (i, 255 - i, i / 2).
std::vector<Rgb> DistinctColours(int count);

}  // namespace vorlune::testing
