#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/rgb_image.h"

namespace vorlune {

// Pictures above either limit are refused from their header, before any pixel
// is decoded, so that memory stays bounded on any input.
inline constexpr std::uint64_t kMaxPicturePixels = 100'000'000;
inline constexpr std::uint32_t kMaxPictureSide = 30'000;

// What a picture's header and metadata say about it.
struct PictureFacts {
  std::string format;  // "PNG", "JPEG", "WebP", "GIF", "TIFF" or "BMP"
  int width = 0;       // as stored, before the orientation is applied
  int height = 0;
  int orientation = 1;      // EXIF orientation 1..8
  bool hasProfile = false;  // an embedded colour profile
  bool hasAlpha = false;
};

// A picture decoded upright in sRGB, transparency composited over the matte.
struct DecodedPicture {
  RgbImage image;
  PictureFacts facts;
};

// The decoders' common form: straight (not premultiplied) RGBA rows top-down,
// with the metadata still to be applied.
struct RgbaPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
  std::vector<std::uint8_t> iccProfile;
  PictureFacts facts;
};

// The format a file's first bytes announce, or "" for anything else.
std::string SniffPictureFormat(std::span<const std::uint8_t> file);

// Decodes a PNG, JPEG, WebP, GIF (first frame), TIFF or BMP file of any size
// and depth from its bytes. A file that is no picture, a damaged one and one
// over the size limits give the user's message and no picture.
Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> file, Rgb matte = {255, 255, 255});

// Reads only the header and metadata.
Result<PictureFacts> InspectPicture(std::span<const std::uint8_t> file);

// The refusals shared by the decoders.
UserMessage NotAPictureMessage();
UserMessage DamagedPictureMessage(const std::string& format);
UserMessage PictureTooLargeMessage();
// Ok when width x height is within the limits.
bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height);

// The decoders, one per format. `headerOnly` fills only width, height and facts.
Result<RgbaPixels> DecodePng(std::span<const std::uint8_t> file, bool headerOnly);
Result<RgbaPixels> DecodeJpeg(std::span<const std::uint8_t> file, bool headerOnly);
Result<RgbaPixels> DecodeWebp(std::span<const std::uint8_t> file, bool headerOnly);
Result<RgbaPixels> DecodeGif(std::span<const std::uint8_t> file, bool headerOnly);
Result<RgbaPixels> DecodeTiff(std::span<const std::uint8_t> file, bool headerOnly);
Result<RgbaPixels> DecodeAnyBmp(std::span<const std::uint8_t> file, bool headerOnly);

// EXIF orientation (1..8) from a TIFF-structured EXIF block ("II*\0"/"MM\0*"
// first, optionally after "Exif\0\0"); 1 when absent or unreadable.
int ExifOrientation(std::span<const std::uint8_t> exif);

// Converts the pixels from the embedded RGB profile to sRGB; false (pixels
// untouched) when the profile is unusable.
bool ConvertToSrgb(RgbaPixels& pixels);

// Turns the pixels upright according to an EXIF orientation.
void ApplyOrientation(RgbaPixels& pixels, int orientation);

}  // namespace vorlune
