#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// Finds the nearest palette colour (squared distance over red, green, blue;
// the lowest position among equals), exactly as a search of the whole palette
// would, but fast: the colour cube is cut into 8 x 8 x 8 cells and each cell,
// when first asked, keeps the few palette colours that can be nearest to any
// colour inside it.
class NearestColor {
 public:
  explicit NearestColor(const std::vector<Rgb>& palette);
  int Find(int r, int g, int b);

 private:
  void FillCell(std::size_t cell, int r, int g, int b);

  std::vector<Rgb> palette_;
  std::vector<std::int32_t> start_;  // of each cell's candidates in pool_, -1 until asked
  std::vector<std::uint8_t> count_;
  std::vector<std::uint8_t> pool_;
};

}  // namespace vorlune
