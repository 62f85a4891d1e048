#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"
#include "core/rgb_image.h"
#include "image/bmp_fields.h"

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

  friend bool operator==(const PictureFacts&, const PictureFacts&) = default;
};

// A picture decoded upright in sRGB, transparency composited over the matte.
struct DecodedPicture {
  RgbImage image;
  PictureFacts facts;
};

// How a picture is decoded at reduced size.
struct ReducedDecoding {
  // The short side of the fitted picture. The decoded picture keeps twice
  // that (a smaller picture keeps its own size): reduced by the decoder where
  // the format allows (JPEG's DCT scaling, WebP's scaled output), then
  // averaged by area while it is read. A JPEG decoded as its blocks' means
  // (1/8) keeps at least 1.5 times that, sharpened.
  int shortSide = kBackgroundSide;
  // A picture of more pixels (as stored) is refused as too large.
  std::uint64_t maxPixels = kMaxPicturePixels;
  // Told how far the file has been read; the bytes before will not be needed again.
  std::function<void(std::size_t)> consumed;
};

// The format a file's first bytes announce, or "" for anything else.
std::string SniffPictureFormat(std::span<const std::uint8_t> file);

// Decodes a PNG, JPEG, WebP, GIF (first frame), TIFF or BMP file of any size
// and depth from its bytes, at full size. A file that is no picture, a damaged
// one and one over the size limits give the user's message and no picture.
Result<DecodedPicture> DecodePicture(std::span<const std::uint8_t> file, Rgb matte = {255, 255, 255});

// The same picture reduced to the size a fit to 320 x 320 (or the size `how`
// names) needs, without holding it at full size on the way. Fitting it gives
// about what fitting the full-size picture gives.
Result<DecodedPicture> DecodePictureReduced(std::span<const std::uint8_t> file, Rgb matte = {255, 255, 255},
                                            const ReducedDecoding& how = {});

// Reads only the header and metadata.
Result<PictureFacts> InspectPicture(std::span<const std::uint8_t> file);

// The number of distinct colours in the decoded picture (in sRGB, over
// white where transparent), counted row by row.
Result<std::uint64_t> CountPictureColours(std::span<const std::uint8_t> file,
                                          const std::function<void(std::size_t)>& consumed = {});

// The refusals shared by the decoders.
UserMessage NotAPictureMessage();
UserMessage DamagedPictureMessage(const std::string& format);
UserMessage PictureTooLargeMessage();
// Ok when width x height is within the limits.
bool PictureSizeAllowed(std::uint64_t width, std::uint64_t height);

// EXIF orientation (1..8) from a TIFF-structured EXIF block ("II*\0"/"MM\0*"
// first, optionally after "Exif\0\0"); 1 when absent or unreadable.
int ExifOrientation(std::span<const std::uint8_t> exif);

}  // namespace vorlune
