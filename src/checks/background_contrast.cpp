#include "checks/background_contrast.h"

#include "checks/contrast.h"

namespace vorlune {

std::optional<BackgroundContrast> WorstBackgroundContrast(const std::vector<DominantColor>& dominant,
                                                          Rgb color) {
  std::optional<BackgroundContrast> worst;
  for (const DominantColor& d : dominant) {
    if (d.share < kCoveringShare) continue;
    const double ratio = ContrastRatio(color, d.color);
    if (!worst || ratio < worst->ratio) worst = BackgroundContrast{d, ratio};
  }
  return worst;
}

}  // namespace vorlune
