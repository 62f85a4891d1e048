#include "image/picture_decoding.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/picture_builder.h"
#include "image/picture_decoders.h"

namespace vorlune {

namespace {

bool StartsWith(std::span<const std::uint8_t> file, std::size_t at, const char* magic) {
  const std::size_t n = std::strlen(magic);
  return file.size() >= at + n && std::memcmp(file.data() + at, magic, n) == 0;
}

// Only the header is wanted.
class FactsOnly final : public PixelSink {
 public:
  bool Header(const PictureFacts& facts, std::span<const std::uint8_t>) override {
    facts_ = facts;
    return false;
  }
  bool Begin(const RowsComing&) override { return false; }
  void Pixels(int, int, int, int, const std::uint8_t*) override {}
  PictureFacts facts_;
};

Result<DecodedPicture> Build(std::span<const std::uint8_t> file, Rgb matte, int shortSide,
                             std::uint64_t maxPixels, const std::function<void(std::size_t)>& consumed) {
  try {
    PictureBuilder builder(matte, shortSide, maxPixels, consumed);
    const Status decoded = DecodeByFormat(file, builder);
    return builder.Finish(decoded);
  } catch (const std::bad_alloc&) {
    return PictureTooLargeMessage();
  }
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

std::optional<UserMessage> SizeRefusal(const std::string& format, std::uint64_t width, std::uint64_t height,
                                       std::uint64_t maxPixels) {
  if (width == 0 || height == 0) return DamagedPictureMessage(format);
  if (!PictureSizeAllowed(width, height) || width * height > maxPixels) return PictureTooLargeMessage();
  return std::nullopt;
}

Status DecodeByFormat(std::span<const std::uint8_t> file, PixelSink& sink) {
  const std::string format = SniffPictureFormat(file);
  if (format == "PNG") return DecodePng(file, sink);
  if (format == "JPEG") return DecodeJpeg(file, sink);
  if (format == "WebP") return DecodeWebp(file, sink);
  if (format == "GIF") return DecodeGif(file, sink);
  if (format == "TIFF") return DecodeTiff(file, sink);
  if (format == "BMP") return DecodeAnyBmp(file, sink);
  return NotAPictureMessage();
}

Result<PictureFacts> InspectPicture(std::span<const std::uint8_t> file) {
  try {
    FactsOnly sink;
    const Status read = DecodeByFormat(file, sink);
    if (!read) return read.error();
    return sink.facts_;
  } catch (const std::bad_alloc&) {
    return PictureTooLargeMessage();
  }
}

Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> file, Rgb matte) {
  return Build(file, matte, 0, kMaxPicturePixels, {});
}

Result<DecodedPicture> DecodePictureReduced(std::span<const std::uint8_t> file, Rgb matte,
                                            const ReducedDecoding& how) {
  // Averaged by area to twice the fitted size, which the resampler then
  // brings down to it: averaging alone would blur or alias.
  return Build(file, matte, 2 * std::max(how.shortSide, 1), how.maxPixels, how.consumed);
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
