#include "image/convert_background.h"

namespace vorlune {

ConvertedBackground ConvertBackground(std::span<const std::uint8_t> file, const BmpFields& fields,
                                      std::vector<UserMessage>* messages) {
  IndexedPicture picture;
  if (fields.bitsPerPixel == 24) {
    picture = ReduceTrueColor(file, fields, messages);
  } else {
    picture = DecodeIndexedPicture(file, fields);
    if (NeedsColorReduction(fields)) ReduceByFrequency(file, fields, picture);
  }
  return ConvertedBackground{WriteReducedBmp(picture), picture.colorsUsed};
}

}  // namespace vorlune
