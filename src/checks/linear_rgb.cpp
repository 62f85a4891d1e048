#include "checks/linear_rgb.h"

#include <array>
#include <cmath>

namespace vorlune {

double LinearChannel(std::uint8_t value) {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (std::size_t i = 0; i < t.size(); ++i) {
      const double c = static_cast<double>(i) / 255.0;
      t[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return t;
  }();
  return table[value];
}

}  // namespace vorlune
