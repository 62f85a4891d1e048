#include "support/picture_encoders.h"

#include <png.h>
#include <zlib.h>

#include <cstring>

#include "core/byte_order.h"

namespace vorlune::testing {

RgbaImage Opaque(const RgbImage& image) {
  RgbaImage out{image.width, image.height, {}};
  for (std::size_t i = 0; i < image.rgb.size(); i += 3) {
    out.rgba.insert(out.rgba.end(), {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2], 255});
  }
  return out;
}

std::vector<std::uint8_t> PngFile(const RgbaImage& image, const std::vector<PngChunk>& chunks) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(image.width);
  png.height = static_cast<png_uint_32>(image.height);
  png.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  png_image_write_to_memory(&png, nullptr, &size, 0, image.rgba.data(), 0, nullptr);
  std::vector<std::uint8_t> bytes(size);
  png_image_write_to_memory(&png, bytes.data(), &size, 0, image.rgba.data(), 0, nullptr);
  bytes.resize(size);
  std::vector<std::uint8_t> extra;
  for (const PngChunk& c : chunks) {
    AppendBE32(extra, static_cast<std::uint32_t>(c.data.size()));
    const std::size_t typeAt = extra.size();
    extra.insert(extra.end(), c.type.begin(), c.type.end());
    extra.insert(extra.end(), c.data.begin(), c.data.end());
    AppendBE32(extra, static_cast<std::uint32_t>(
                          crc32(0, &extra[typeAt], static_cast<uInt>(extra.size() - typeAt))));
  }
  bytes.insert(bytes.begin() + 33, extra.begin(), extra.end());  // after the signature and IHDR
  return bytes;
}

std::vector<std::uint8_t> ExifWithOrientation(int orientation) {
  return {'E',  'x',  'i', 'f', 0, 0, 'I', 'I', 42,
          0,    8,    0,   0,   0,  // header, first directory at 8
          1,    0,                  // one entry
          0x12, 0x01, 3,   0,   1, 0, 0,   0,   static_cast<std::uint8_t>(orientation),
          0,    0,    0,   0,   0, 0, 0};
}

}  // namespace vorlune::testing
