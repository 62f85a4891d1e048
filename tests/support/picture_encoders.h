#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/rgb_image.h"

namespace vorlune::testing {

// A picture with transparency: red, green, blue, alpha bytes, rows top-down.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

RgbaImage Opaque(const RgbImage& image);

// A PNG file made with the library the import reads it with. `chunks` are
// whole PNG chunks (type and data) put after IHDR.
struct PngChunk {
  std::string type;
  std::vector<std::uint8_t> data;
};
std::vector<std::uint8_t> PngFile(const RgbaImage& image, const std::vector<PngChunk>& chunks = {});

// A whole PNG chunk: length, type, data and CRC.
std::vector<std::uint8_t> ChunkBytes(const std::string& type, const std::vector<std::uint8_t>& data);

// An EXIF block ("Exif\0\0" and a little-endian TIFF header) with one
// orientation entry.
std::vector<std::uint8_t> ExifWithOrientation(int orientation);

}  // namespace vorlune::testing
