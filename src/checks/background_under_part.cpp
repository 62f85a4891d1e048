#include "checks/background_under_part.h"

#include "project/placed_parts_check.h"
#include "skin/mask_picture.h"

namespace vorlune {

namespace {

bool IsDisplay(PartKind k) {
  return DialogFamilyOf(k) == DialogFamily::TextColor;
}

}  // namespace

bool HasBackground(const SkinLayout& layout) {
  return layout.picture.size() >= static_cast<std::size_t>(layout.pixelOffset) + kPixelBytes;
}

std::optional<PaletteHistogram> BackgroundUnderPart(const SkinLayout& layout, PartKind k) {
  const PartRecord& part = layout.part(k);
  if (!HasBackground(layout) || !part.placed() || !PlacedWhollyOnCanvas(k, part)) return std::nullopt;
  const std::uint8_t* pixels = layout.picture.data() + layout.pixelOffset;
  const PartKindInfo& info = KindInfo(k);
  PaletteHistogram histogram{};
  const MaskPicture* mask = IsDisplay(k) ? nullptr : &PartShapeMask(k);
  for (int r = 0; r < info.height; ++r) {
    const std::uint8_t* row = pixels + (part.y + r) * kCanvasSize + part.x;
    for (int c = 0; c < info.width; ++c) {
      if (mask == nullptr || mask->at(c, r) != 0) ++histogram[row[c]];
    }
  }
  return histogram;
}

std::optional<std::vector<DominantColor>> DominantColorsUnderPart(const SkinLayout& layout, PartKind k) {
  const auto histogram = BackgroundUnderPart(layout, k);
  if (!histogram) return std::nullopt;
  return DominantColors(*histogram, layout.palette);
}

}  // namespace vorlune
