#include "checks/picker_contrast.h"

#include "checks/background_contrast.h"
#include "checks/background_under_part.h"
#include "checks/state_colors.h"

namespace vorlune {

std::optional<std::array<ContrastMark, 16>> PickerContrast(const SkinLayout& layout, PartKind k) {
  const auto dominant = DominantColorsUnderPart(layout, k);
  if (!dominant) return std::nullopt;
  const double required = RequiredContrast(k);
  std::array<ContrastMark, 16> marks{};
  for (std::size_t c = 0; c < marks.size(); ++c) {
    const auto worst = WorstBackgroundContrast(*dominant, kPickerColors[c]);
    if (!worst) return std::nullopt;
    marks[c] = {worst->ratio, worst->ratio >= required, required, worst->background};
  }
  return marks;
}

}  // namespace vorlune
