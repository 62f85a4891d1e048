#include <png.h>
#include <zlib.h>

#include <cstring>

#include "core/byte_order.h"
#include "image/picture_decoding.h"

namespace vorlune {

namespace {

std::uint32_t BE32(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// Walks the chunks before the pixel data for the profile and the orientation;
// libpng's simplified reader ignores both.
void ReadMetadataChunks(std::span<const std::uint8_t> file, RgbaPixels& out) {
  std::size_t at = 8;
  while (at + 12 <= file.size()) {
    const std::uint32_t length = BE32(&file[at]);
    if (length > file.size() - at - 12) return;
    const std::uint8_t* type = &file[at + 4];
    const auto data = file.subspan(at + 8, length);
    if (std::memcmp(type, "IDAT", 4) == 0) return;
    if (std::memcmp(type, "eXIf", 4) == 0) out.facts.orientation = ExifOrientation(data);
    if (std::memcmp(type, "iCCP", 4) == 0) {
      const auto* nameEnd = static_cast<const std::uint8_t*>(std::memchr(data.data(), 0, data.size()));
      if (nameEnd != nullptr && nameEnd + 2 <= data.data() + data.size()) {
        const auto compressed = data.subspan(std::size_t(nameEnd - data.data()) + 2);
        // Profiles are small; a larger one is ignored rather than inflated.
        std::vector<std::uint8_t> profile(1u << 20);
        uLongf size = profile.size();
        if (uncompress(profile.data(), &size, compressed.data(), compressed.size()) == Z_OK) {
          profile.resize(size);
          out.iccProfile = std::move(profile);
          out.facts.hasProfile = true;
        }
      }
    }
    at += 12 + std::size_t{length};
  }
}

}  // namespace

Result<RgbaPixels> DecodePng(std::span<const std::uint8_t> file, bool headerOnly) {
  if (file.size() < 33 || std::memcmp(&file[12], "IHDR", 4) != 0) return DamagedPictureMessage("PNG");
  RgbaPixels out;
  out.facts.format = "PNG";
  const std::uint32_t width = BE32(&file[16]);
  const std::uint32_t height = BE32(&file[20]);
  if (!PictureSizeAllowed(width, height)) return PictureTooLargeMessage();
  out.width = out.facts.width = static_cast<int>(width);
  out.height = out.facts.height = static_cast<int>(height);
  const std::uint8_t colorType = file[25];
  out.facts.hasAlpha = (colorType & 4) != 0;
  ReadMetadataChunks(file, out);

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, file.data(), file.size()))
    return DamagedPictureMessage("PNG");
  if (image.width != width || image.height != height) {
    png_image_free(&image);
    return DamagedPictureMessage("PNG");
  }
  if ((image.format & PNG_FORMAT_FLAG_ALPHA) != 0) out.facts.hasAlpha = true;
  if (headerOnly) {
    png_image_free(&image);
    return out;
  }
  image.format = PNG_FORMAT_RGBA;
  out.rgba.resize(std::size_t{width} * height * 4);
  if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    return DamagedPictureMessage("PNG");
  }
  return out;
}

}  // namespace vorlune
