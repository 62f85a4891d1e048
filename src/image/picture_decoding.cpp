#include "image/picture_decoding.h"

#include <cstring>

namespace vorlune {

namespace {

bool StartsWith(std::span<const std::uint8_t> file, std::size_t at, const char* magic) {
  const std::size_t n = std::strlen(magic);
  return file.size() >= at + n && std::memcmp(file.data() + at, magic, n) == 0;
}

Result<RgbaPixels> DecodeByFormat(std::span<const std::uint8_t> file, bool headerOnly) {
  const std::string format = SniffPictureFormat(file);
  if (format == "PNG") return DecodePng(file, headerOnly);
  if (format == "JPEG") return DecodeJpeg(file, headerOnly);
  if (format == "WebP") return DecodeWebp(file, headerOnly);
  if (format == "GIF") return DecodeGif(file, headerOnly);
  if (format == "TIFF") return DecodeTiff(file, headerOnly);
  if (format == "BMP") return DecodeAnyBmp(file, headerOnly);
  return NotAPictureMessage();
}

std::uint8_t Over(std::uint8_t c, std::uint8_t alpha, std::uint8_t matte) {
  return static_cast<std::uint8_t>((c * alpha + matte * (255 - alpha) + 127) / 255);
}

}  // namespace

std::string SniffPictureFormat(std::span<const std::uint8_t> file) {
  if (StartsWith(file, 0, "\x89PNG\r\n\x1a\n")) return "PNG";
  if (StartsWith(file, 0, "\xff\xd8\xff")) return "JPEG";
  if (StartsWith(file, 0, "RIFF") && StartsWith(file, 8, "WEBP")) return "WebP";
  if (StartsWith(file, 0, "GIF87a") || StartsWith(file, 0, "GIF89a")) return "GIF";
  if (StartsWith(file, 0, "II*") || StartsWith(file, 0, "MM")) {
    if (file.size() >= 4 &&
        ((file[0] == 'I' && file[3] == 0) || (file[0] == 'M' && file[2] == 0 && file[3] == '*')))
      return "TIFF";
  }
  if (StartsWith(file, 0, "BM")) return "BMP";
  return "";
}

UserMessage NotAPictureMessage() {
  return UserMessage{"Error : this file is not a picture (PNG, JPEG, WebP, GIF, TIFF or BMP).",
                     MessageIcon::Information, MessageCode::NotAPicture};
}

UserMessage DamagedPictureMessage(const std::string& format) {
  return UserMessage{"Error : this " + format + " file is damaged.",
                     MessageIcon::Information,
                     MessageCode::DamagedPicture,
                     {format}};
}

UserMessage PictureTooLargeMessage() {
  return UserMessage{"Error : picture is too large (over 100 megapixels or 30000 pixels on a side).",
                     MessageIcon::Information, MessageCode::PictureTooLarge};
}

bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

Result<PictureFacts> InspectPicture(std::span<const std::uint8_t> file) {
  Result<RgbaPixels> header = DecodeByFormat(file, true);
  if (!header) return header.error();
  return header->facts;
}

Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> file, Rgb matte) {
  Result<RgbaPixels> decoded = DecodeByFormat(file, false);
  if (!decoded) return decoded.error();
  RgbaPixels& pixels = *decoded;
  if (!pixels.iccProfile.empty()) ConvertToSrgb(pixels);
  ApplyOrientation(pixels, pixels.facts.orientation);

  DecodedPicture picture;
  picture.facts = pixels.facts;
  picture.image.width = pixels.width;
  picture.image.height = pixels.height;
  const std::size_t count = std::size_t(pixels.width) * std::size_t(pixels.height);
  picture.image.rgb.resize(count * 3);
  const std::uint8_t* in = pixels.rgba.data();
  std::uint8_t* out = picture.image.rgb.data();
  for (std::size_t i = 0; i < count; ++i, in += 4, out += 3) {
    out[0] = Over(in[0], in[3], matte.r);
    out[1] = Over(in[1], in[3], matte.g);
    out[2] = Over(in[2], in[3], matte.b);
  }
  return picture;
}

void ApplyOrientation(RgbaPixels& pixels, int orientation) {
  if (orientation < 2 || orientation > 8) return;
  const int w = pixels.width;
  const int h = pixels.height;
  const bool swap = orientation >= 5;
  const int ow = swap ? h : w;
  const int oh = swap ? w : h;
  std::vector<std::uint8_t> out(pixels.rgba.size());
  for (int y = 0; y < oh; ++y) {
    for (int x = 0; x < ow; ++x) {
      // The stored pixel shown at (x, y) once the picture is upright.
      int sx = x;
      int sy = y;
      switch (orientation) {
        case 2:
          sx = w - 1 - x;
          break;
        case 3:
          sx = w - 1 - x;
          sy = h - 1 - y;
          break;
        case 4:
          sy = h - 1 - y;
          break;
        case 5:
          sx = y;
          sy = x;
          break;
        case 6:
          sx = y;
          sy = h - 1 - x;
          break;
        case 7:
          sx = w - 1 - y;
          sy = h - 1 - x;
          break;
        case 8:
          sx = w - 1 - y;
          sy = x;
          break;
        default:
          break;
      }
      std::memcpy(&out[(std::size_t(y) * ow + x) * 4], &pixels.rgba[(std::size_t(sy) * w + sx) * 4], 4);
    }
  }
  pixels.rgba = std::move(out);
  pixels.width = ow;
  pixels.height = oh;
}

int ExifOrientation(std::span<const std::uint8_t> exif) {
  if (exif.size() >= 6 && std::memcmp(exif.data(), "Exif\0\0", 6) == 0) exif = exif.subspan(6);
  if (exif.size() < 8) return 1;
  const bool little = exif[0] == 'I' && exif[1] == 'I';
  if (!little && !(exif[0] == 'M' && exif[1] == 'M')) return 1;
  const auto u16 = [&](std::size_t at) -> std::uint32_t {
    return little ? exif[at] | (exif[at + 1] << 8) : (exif[at] << 8) | exif[at + 1];
  };
  const auto u32 = [&](std::size_t at) -> std::uint32_t {
    return little ? u16(at) | (u16(at + 2) << 16) : (u16(at) << 16) | u16(at + 2);
  };
  const std::uint32_t ifd = u32(4);
  if (ifd > exif.size() - 2) return 1;
  const std::uint32_t entries = u16(ifd);
  for (std::uint32_t i = 0; i < entries; ++i) {
    const std::size_t at = ifd + 2 + std::size_t{i} * 12;
    if (at + 12 > exif.size()) break;
    if (u16(at) == 0x0112) {
      const std::uint32_t value = u16(at + 8);
      return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
  }
  return 1;
}

}  // namespace vorlune
