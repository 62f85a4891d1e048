#include <algorithm>

#include "image/background_import.h"
#include "image/bmp_fields.h"

namespace vorlune {

namespace {

UserMessage Refusal(const char* text, MessageCode code) {
  return UserMessage{text, MessageIcon::Information, code};
}

// An 8-bit picture kept as it is must only use the 214 entries the reduced
// picture has; higher numbers would reach the transparent and picker colours.
bool UsesColorBeyondReducedTable(std::span<const std::uint8_t> pixels) {
  return std::any_of(pixels.begin(), pixels.end(), [](std::uint8_t p) { return p >= 214; });
}

}  // namespace

UserMessage BmpReadFailureMessage(ReadFailure failure) {
  if (failure == ReadFailure::NotFound)
    return UserMessage{
        "Error : Cannot find bmp-file", MessageIcon::Exclamation, MessageCode::FileNotFound, {"bmp"}};
  return UserMessage{
      "Error : Cannot open bmp-file", MessageIcon::Information, MessageCode::FileCannotOpen, {"bmp"}};
}

UserMessage ReductionNoticeMessage() {
  return Refusal("Over 214 color bitmap.\n Down-color conversion started(to 214colors).",
                 MessageCode::ReductionNotice);
}

Result<BackgroundCheck> CheckBackgroundFile(std::span<const std::uint8_t> file) {
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M')
    return Refusal("Error : this file is not bmp-file", MessageCode::NotBmp);
  if (file.size() < kBmpHeadersSize)
    return Refusal("Error : bmp-file header is incomplete.", MessageCode::BmpHeaderIncomplete);

  const BmpFields fields = ReadBmpFields(file);
  if (fields.compression != 0) {
    return Refusal("This bmp-file is compressed.\nPlease change non-compress bmp-file.",
                   MessageCode::BmpCompressed);
  }
  if (fields.width != kBackgroundSide || fields.height != kBackgroundSide) {
    return Refusal("Error :  Bitmap Size Error! only support 320\u00d7320.", MessageCode::BmpSizeNot320);
  }

  const std::size_t pixelBytes = PixelBytesOfDepth(fields.bitsPerPixel);
  if (pixelBytes == 0)
    return Refusal("Error : Only 1, 2, 4, 8 and 24 bit bmp-files are supported.",
                   MessageCode::BmpDepthUnsupported);
  const std::size_t pixelEnd = std::size_t{fields.pixelOffset} + pixelBytes;
  if (pixelEnd > kPictureBufferSize)
    return Refusal("Error : Pixel data offset of this bmp-file is too large.",
                   MessageCode::BmpPixelOffsetTooLarge);
  if (file.size() < pixelEnd)
    return Refusal("Error : bmp-file is shorter than its pixel data.", MessageCode::BmpShorterThanPixels);

  if (fields.bitsPerPixel != 24) {
    const std::size_t depthColors = std::size_t{1} << fields.bitsPerPixel;
    if (fields.bitsPerPixel < 8 && fields.colorsUsed > depthColors) {
      return Refusal("Error : biClrUsed of this bmp-file is too large for its bit depth.",
                     MessageCode::BmpColorsUsedTooLarge);
    }
    const std::size_t tableEnd = fields.colorTableOffset() + 4 * ColorTableEntries(fields);
    if (fields.infoSize < 40 || tableEnd > fields.pixelOffset) {
      return Refusal("Error : Color table of this bmp-file is broken.", MessageCode::BmpColorTableBroken);
    }
  }

  const bool reduce = NeedsColorReduction(fields);
  if (fields.bitsPerPixel == 8 && !reduce &&
      UsesColorBeyondReducedTable(file.subspan(fields.pixelOffset, pixelBytes))) {
    return Refusal("Error : bmp-file uses a color number of 214 or more.", MessageCode::BmpColorBeyond214);
  }
  return BackgroundCheck{fields.bitsPerPixel, reduce};
}

}  // namespace vorlune
