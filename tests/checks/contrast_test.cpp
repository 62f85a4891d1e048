#include "checks/contrast.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

// Ratios of the WCAG 2 formula, to two decimals; (10, 10, 10) lies below the
// 0.04045 threshold, on the straight part of the sRGB curve.
TEST(Contrast, KnownPairs) {
  const std::tuple<Rgb, Rgb, double> pairs[] = {{{0, 0, 0}, {255, 255, 255}, 21.0},
                                                {{0x77, 0x77, 0x77}, {255, 255, 255}, 4.48},
                                                {{0x76, 0x76, 0x76}, {255, 255, 255}, 4.54},
                                                {{255, 0, 0}, {255, 255, 255}, 4.00},
                                                {{0, 0, 255}, {255, 255, 255}, 8.59},
                                                {{0, 255, 0}, {0, 0, 0}, 15.30},
                                                {{10, 10, 10}, {0, 0, 0}, 1.06},
                                                {{128, 128, 128}, {128, 128, 128}, 1.0}};
  for (const auto& [a, b, ratio] : pairs) {
    EXPECT_NEAR(ContrastRatio(a, b), ratio, 0.005) << int(a.r) << "," << int(a.g) << "," << int(a.b);
    EXPECT_DOUBLE_EQ(ContrastRatio(a, b), ContrastRatio(b, a));
  }
}

}  // namespace
}  // namespace vorlune
