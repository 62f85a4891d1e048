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

std::vector<std::uint8_t> ChunkBytes(const std::string& type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> chunk;
  AppendBE32(chunk, std::uint32_t(data.size()));
  chunk.insert(chunk.end(), type.begin(), type.end());
  chunk.insert(chunk.end(), data.begin(), data.end());
  AppendBE32(chunk, std::uint32_t(crc32(0, chunk.data() + 4, uInt(chunk.size() - 4))));
  return chunk;
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
    const std::vector<std::uint8_t> chunk = ChunkBytes(c.type, c.data);
    extra.insert(extra.end(), chunk.begin(), chunk.end());
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
