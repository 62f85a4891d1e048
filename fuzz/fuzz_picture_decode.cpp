// Fuzzes the picture decoders alone, the format chosen by the first bytes,
// through the reduced decoding the import uses, with a small pixel cap so
// that each run is quick. The wanted short side varies with the input, so
// that small pictures are also averaged and scaled by their decoders. Any
// bytes give a picture or a refusal; a picture is what its header promised,
// upright, no larger than stored and no smaller than wanted.
#include <algorithm>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "image/picture_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorlune;
  const std::span<const std::uint8_t> file(data, size);
  ReducedDecoding how;
  how.maxPixels = 1 << 16;
  how.shortSide = 1 + int(size % 37);
  const Result<DecodedPicture> decoded = DecodePictureReduced(file, {255, 255, 255}, how);
  const Result<PictureFacts> facts = InspectPicture(file);
  if (!decoded.ok()) {
    const std::string& text = decoded.error().text;
    FUZZ_CHECK(text.rfind("Error : ", 0) == 0 || text.rfind("This bmp-file is compressed", 0) == 0);
    return 0;
  }
  FUZZ_CHECK(facts.ok() && *facts == decoded->facts);
  const RgbImage& image = decoded->image;
  const bool turned = facts->orientation >= 5 && facts->orientation <= 8;
  const int w = turned ? facts->height : facts->width;
  const int h = turned ? facts->width : facts->height;
  FUZZ_CHECK(image.width >= 1 && image.height >= 1 && image.width <= w && image.height <= h);
  FUZZ_CHECK(image.rgb.size() == std::size_t(image.width) * std::size_t(image.height) * 3);
  FUZZ_CHECK(std::min(image.width, image.height) >= std::min({2 * how.shortSide, w, h}));
  // Now and then the other readers of the same pixels: the full size and the colour count.
  if (size % 8 == 0) {
    const Result<DecodedPicture> full = DecodePicture(file);
    FUZZ_CHECK(full.ok() && full->image.width == w && full->image.height == h);
    const Result<std::uint64_t> colours = CountPictureColours(file);
    FUZZ_CHECK(colours.ok() && *colours >= 1 && *colours <= std::uint64_t(w) * std::uint64_t(h));
  }
  return 0;
}
