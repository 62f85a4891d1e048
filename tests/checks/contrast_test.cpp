#include "checks/contrast.h"

#include <gtest/gtest.h>

namespace vorlune {
namespace {

// Ratios as the WCAG 2 formula gives them, to two decimals.
TEST(Contrast, KnownPairs) {
  struct Pair {
    Rgb a, b;
    double ratio;
  };
  const Pair pairs[] = {
      {{0, 0, 0}, {255, 255, 255}, 21.0},
      {{0x77, 0x77, 0x77}, {255, 255, 255}, 4.48},
      {{0x76, 0x76, 0x76}, {255, 255, 255}, 4.54},
      {{255, 0, 0}, {255, 255, 255}, 4.00},
      {{0, 0, 255}, {255, 255, 255}, 8.59},
      {{0, 255, 0}, {0, 0, 0}, 15.30},
      {{10, 10, 10}, {0, 0, 0}, 1.06},  // below the 0.04045 threshold: the straight part
      {{128, 128, 128}, {128, 128, 128}, 1.0},
  };
  for (const Pair& p : pairs) {
    EXPECT_NEAR(ContrastRatio(p.a, p.b), p.ratio, 0.005)
        << int(p.a.r) << "," << int(p.a.g) << "," << int(p.a.b);
    EXPECT_DOUBLE_EQ(ContrastRatio(p.a, p.b), ContrastRatio(p.b, p.a));
  }
  EXPECT_NEAR(RelativeLuminance({10, 10, 10}), 10 / 255.0 / 12.92, 1e-12);
}

}  // namespace
}  // namespace vorlune
