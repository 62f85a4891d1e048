#include "checks/contrast.h"

#include <algorithm>

#include "checks/linear_rgb.h"

namespace vorlune {

double RelativeLuminance(Rgb color) {
  return 0.2126 * LinearChannel(color.r) + 0.7152 * LinearChannel(color.g) + 0.0722 * LinearChannel(color.b);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace vorlune
