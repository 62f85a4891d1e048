// Fuzzes the import of any picture: decoding of every format, orientation,
// profile, transparency, fitting and the fine reduction. Any bytes give a
// picture or a refusal; a picture is always 320 x 320 with at most 214 colours.
// Only small pictures are decoded (picture_decode fuzzes the decoders alone).
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "image/picture_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
  const std::span<const std::uint8_t> file(data, size);
  const Result<PictureFacts> facts = InspectPicture(file);
  PictureImportOptions options;
  options.fit = static_cast<FitMode>(size % 3);
  options.dither = size % 2 == 0;
  ReducedDecoding small;
  small.maxPixels = 1 << 18;
  const Result<DecodedPicture> decoded = DecodePictureReduced(file, options.matte, small);
  if (!decoded.ok()) {
    FUZZ_CHECK(decoded.error().text.rfind("Error : ", 0) == 0 ||
               decoded.error().text.rfind("This bmp-file is compressed", 0) == 0);
    return 0;
  }
  FUZZ_CHECK(facts.ok());
  const RgbImage fitted = FitPicture(decoded->image, options.fit, options.matte);
  FUZZ_CHECK(fitted.width == 320 && fitted.height == 320 && fitted.rgb.size() == 320u * 320 * 3);
  // The reduction is the same code for every input; one input in four goes
  // through it, so that the decoders get most of the runs.
  if (size % 4 != 0) return 0;
  const ImportedBackground bg = ReduceFittedPicture(fitted, options.reduction, options.dither);
  FUZZ_CHECK(bg.reducedBmp.size() == kReducedBmpSize);
  FUZZ_CHECK(bg.colorsUsed >= 1 && bg.colorsUsed <= kBackgroundColors);
  FUZZ_CHECK(bg.bitsPerPixel == 8);
  for (std::size_t i = kReducedHeaderSize; i < bg.reducedBmp.size(); ++i) {
    FUZZ_CHECK(bg.reducedBmp[i] < bg.colorsUsed);
  }
  return 0;
}
