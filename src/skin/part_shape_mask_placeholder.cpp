#include "skin/mask_picture.h"

// Blank stand-in until the rule-built masks are in.
namespace vorlune {

const MaskPicture& PartShapeMask(PartKind k) {
  static const std::vector<MaskPicture> masks = [] {
    std::vector<MaskPicture> all(31);
    for (const auto& info : PartKindTable()) all[info.kind] = MaskPicture(info.width, info.height);
    return all;
  }();
  return masks.at(static_cast<std::size_t>(k));
}

}  // namespace vorlune
