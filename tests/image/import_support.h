#pragma once

#include <gtest/gtest.h>

#include "image/background_import.h"
#include "support/bmp_builder.h"

namespace vorlune::testing {

// Imports a picture the test expects to pass every check.
inline ImportedBackground Imported(const TestBmp& bmp) {
  auto result = ImportBackground(bmp.Bytes());
  EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().text);
  return result.ok() ? std::move(*result) : ImportedBackground{};
}

// Pixel value of the reduced BMP; row 0 is the first row in the file.
inline int ReducedPixel(const ImportedBackground& b, int x, int row) {
  return b.reducedBmp.at(910 + static_cast<std::size_t>(row) * 320 + x);
}

// Colour-table entry n of the reduced BMP.
inline Rgb ReducedEntry(const ImportedBackground& b, int n) {
  const std::size_t at = 54 + 4 * static_cast<std::size_t>(n);
  return Rgb{b.reducedBmp.at(at + 2), b.reducedBmp.at(at + 1), b.reducedBmp.at(at)};
}

}  // namespace vorlune::testing
