#include "core/png_writer.h"

#include <png.h>

#include <cstring>

namespace vorlune {

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGB;
  // The first call measures, the second writes.
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&png, nullptr, &size, 0, image.rgb.data(), 0, nullptr)) return {};
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(&png, bytes.data(), &size, 0, image.rgb.data(), 0, nullptr)) return {};
  bytes.resize(size);
  return bytes;
}

}  // namespace vorlune
