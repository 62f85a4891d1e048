#include "image/background_import.h"

#include "image/bmp_colour_count.h"
#include "image/convert_background.h"

namespace vorlune {

Result<ImportedBackground> ImportBackground(std::span<const std::uint8_t> file) {
  const Result<BackgroundCheck> check = CheckBackgroundFile(file);
  if (!check) return check.error();

  ImportedBackground background;
  const BmpFields fields = ReadBmpFields(file);
  ConvertedBackground converted = ConvertBackground(file, fields, &background.warnings);
  background.picture = DisplayFormOf(converted.reducedBmp);
  background.palette = SkinPaletteOf(converted.reducedBmp);
  background.reducedBmp = std::move(converted.reducedBmp);
  background.pixelOffset = kReducedHeaderSize;
  background.colorsUsed = converted.colorsUsed;
  background.bitsPerPixel = check->bitsPerPixel;
  background.reductionNoticeDue = check->reductionNoticeDue;
  background.manyColoursMerged = check->reductionNoticeDue && DistinctBmpColours(file, fields) > 214;
  return background;
}

std::vector<std::uint8_t> TemporaryPictureFileBytes(const std::vector<std::uint8_t>& reducedBmp) {
  std::vector<std::uint8_t> bytes = reducedBmp;
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

void ApplyImportedBackground(SkinLayout& layout, ImportedBackground background) {
  layout.reducedBmp = std::move(background.reducedBmp);
  layout.picture = std::move(background.picture);
  layout.pixelOffset = background.pixelOffset;
  layout.pictureColorsUsed = background.colorsUsed;
  layout.pictureBitsPerPixel = background.bitsPerPixel;
  layout.temporaryPictureSize = kReducedBmpSize;
  layout.palette = background.palette;
  // Only the first picture of a run starts the count afresh; later ones keep the parts.
  if (!layout.backgroundLoaded) {
    layout.placedCount = 0;
    layout.backgroundLoaded = true;
  }
}

}  // namespace vorlune
