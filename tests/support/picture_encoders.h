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

// Small files of each format, made with the same libraries the import reads
// them with. `chunks` are whole PNG chunks (type and data) put after IHDR.
struct PngChunk {
  std::string type;
  std::vector<std::uint8_t> data;
};
std::vector<std::uint8_t> PngFile(const RgbaImage& image, const std::vector<PngChunk>& chunks = {});
std::vector<std::uint8_t> JpegFile(const RgbImage& image, const std::vector<std::uint8_t>& exif = {});
std::vector<std::uint8_t> WebpFile(const RgbaImage& image);  // lossless
// Up to 256 colours; `transparent` is a colour-table index or -1.
std::vector<std::uint8_t> GifFile(const RgbImage& image, int transparent = -1);
std::vector<std::uint8_t> TiffFile(const RgbImage& image);
std::vector<std::uint8_t> BmpFile(const RgbImage& image);  // 24-bit, any size

// An EXIF block ("Exif\0\0" and a little-endian TIFF header) with one
// orientation entry.
std::vector<std::uint8_t> ExifWithOrientation(int orientation);

}  // namespace vorlune::testing
