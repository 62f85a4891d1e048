#include "image/picture_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "core/byte_order.h"
#include "image/average_edge_colour.h"
#include "image/convert_background.h"
#include "image/fine_reduction.h"

namespace vorlune {

bool TakesExactPathByDefault(std::span<const std::uint8_t> file, bool namedBmp) {
  const std::string format = SniffPictureFormat(file);
  if (format.empty()) return namedBmp;
  if (format != "BMP") return false;
  // Too short to say its size: the exact checks refuse it with their message.
  if (file.size() < 26) return true;
  // Only a bottom-up 320 x 320 BMP with an information header is the exact
  // import's; any other BMP is fitted like every other picture.
  return ReadLE32(file, 14) >= 40 && ReadLE32(file, 18) == 320 && ReadLE32(file, 22) == 320;
}

UserMessage PictureReadFailureMessage(ReadFailure failure, std::string_view path) {
  const std::size_t dot = path.rfind('.');
  std::string suffix(dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1));
  std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::string_view, 7> kOtherPictures{"png", "jpg", "jpeg", "webp",
                                                           "gif", "tif", "tiff"};
  if (std::find(kOtherPictures.begin(), kOtherPictures.end(), suffix) == kOtherPictures.end())
    return BmpReadFailureMessage(failure);
  if (failure == ReadFailure::NotFound)
    return UserMessage{
        "Error : Cannot find picture file", MessageIcon::Exclamation, MessageCode::FileNotFound, {"picture"}};
  return UserMessage{
      "Error : Cannot open picture file", MessageIcon::Information, MessageCode::FileCannotOpen, {"picture"}};
}

std::vector<std::uint8_t> TrueColorBmpOf(const RgbImage& picture) {
  const std::size_t rowBytes = std::size_t(picture.width) * 3;  // 960: no padding at 320
  std::vector<std::uint8_t> bmp(kBmpHeadersSize + rowBytes * std::size_t(picture.height), 0);
  std::uint8_t* h = bmp.data();
  h[0] = 'B';
  h[1] = 'M';
  WriteLE32(h + 2, static_cast<std::uint32_t>(bmp.size()));
  WriteLE32(h + 10, kBmpHeadersSize);
  WriteLE32(h + 14, 40);
  WriteLE32(h + 18, static_cast<std::uint32_t>(picture.width));
  WriteLE32(h + 22, static_cast<std::uint32_t>(picture.height));
  WriteLE16(h + 26, 1);
  WriteLE16(h + 28, 24);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = &bmp[kBmpHeadersSize + std::size_t(picture.height - 1 - y) * rowBytes];
    for (int x = 0; x < picture.width; ++x) {
      const Rgb c = picture.at(x, y);
      row[x * 3] = c.b;
      row[x * 3 + 1] = c.g;
      row[x * 3 + 2] = c.r;
    }
  }
  return bmp;
}

ImportedBackground ReduceFittedPicture(const RgbImage& fitted, ReductionKind reduction, bool dither) {
  if (reduction == ReductionKind::Classic) {
    // A fitted picture is always a valid 320 x 320 24-bit BMP.
    Result<ImportedBackground> classic = ImportBackground(TrueColorBmpOf(fitted));
    return std::move(*classic);
  }
  const IndexedPicture picture = ReduceFinely(fitted, dither);
  ImportedBackground background;
  background.reducedBmp = WriteReducedBmp(picture);
  background.picture = DisplayFormOf(background.reducedBmp);
  background.palette = SkinPaletteOf(background.reducedBmp);
  background.pixelOffset = kReducedHeaderSize;
  background.colorsUsed = picture.colorsUsed;
  background.bitsPerPixel = 8;
  return background;
}

Result<ImportedBackground> ImportPicture(std::span<const std::uint8_t> file,
                                         const PictureImportOptions& options,
                                         const ReducedDecoding& decoding) {
  Result<DecodedPicture> decoded = DecodePictureReduced(file, options.matte, decoding);
  if (!decoded) return decoded.error();
  const Rgb matte = options.matteFromEdges ? AverageEdgeColour(decoded->image) : options.matte;
  return ReduceFittedPicture(FitPicture(decoded->image, options.fit, matte, options.focus), options.reduction,
                             options.dither);
}

}  // namespace vorlune
