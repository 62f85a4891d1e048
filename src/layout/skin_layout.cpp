#include "layout/skin_layout.h"

namespace vorlune {

SkinLayout NewSkinLayout() {
  SkinLayout layout;
  for (const auto& info : PartKindTable()) {
    layout.part(info.kind).width = info.width;
    layout.part(info.kind).height = info.height;
  }
  return layout;
}

int CountPlacedRows(const SkinLayout& layout) {
  int count = 0;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) count += layout.placed(k) ? 1 : 0;
  return count;
}

}  // namespace vorlune
