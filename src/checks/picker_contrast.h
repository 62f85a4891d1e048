#pragma once

#include <array>
#include <optional>

#include "checks/dominant_colors.h"
#include "layout/skin_layout.h"

namespace vorlune {

// How one picker colour would stand out from the background under a part.
struct ContrastMark {
  double ratio = 0;            // against the worst background colour covering at least 20 % of the area
  bool passes = false;         // ratio >= required
  double required = 0;         // 4.5 for the displays, 3 for buttons and meters
  DominantColor background{};  // that background colour and its share
};

// The marks of the 16 picker colours for the part of kind k where it stands,
// as the colour dialogs show them; a colour that passes gives no warning in
// CheckSkin. None when there is nothing to hold them against: no background,
// the part not placed wholly on it, or no background colour covering 20 %.
std::optional<std::array<ContrastMark, 16>> PickerContrast(const SkinLayout& layout, PartKind k);

}  // namespace vorlune
