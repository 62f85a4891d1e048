#include "part_look.h"

#include "mask_grid.h"

namespace vorlune {

namespace {
constexpr Rgb kAqua{0, 255, 255};
constexpr Rgb kTeal{0, 128, 128};
}  // namespace

Rgb PartInkColor(PartKind k, std::uint8_t maskValue) {
  switch (GroupOf(k)) {
    case PartGroup::Volume:
      return maskValue == 2 ? kAqua : kTeal;
    case PartGroup::Equalizer:
      return maskValue == 2 ? Rgb{0, 255, 0} : Rgb{0, 128, 0};
    case PartGroup::Level:
      if (maskValue == 3) return {255, 0, 0};
      return maskValue == 2 ? Rgb{255, 255, 0} : Rgb{0, 0, 255};
    default:
      return maskValue == kFaintInk ? kTeal : kAqua;
  }
}

}  // namespace vorlune
