#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// Finds the nearest palette colour (squared distance over red, green, blue;
// the lowest position among equals), exactly as a search of the whole palette
// would, but fast: the colour cube is cut into cells (2^cellBits along each
// channel) and each cell, when first asked, keeps the few palette colours that
// can be nearest to some colour inside it. Finer cells cost more to fill and
// less to search.
class NearestColor {
 public:
  NearestColor(const std::vector<Rgb>& palette, int cellBits);
  int Find(int r, int g, int b);

 private:
  void FillCell(std::size_t cell, int r, int g, int b);

  std::vector<Rgb> palette_;
  int shift_;
  int bits_;
  std::vector<std::int32_t> start_;  // of each cell's candidates in pool_, -1 until asked
  std::vector<std::uint8_t> count_;
  struct Candidate {
    int lowerBound;  // squared distance to the nearest colour of the cell
    int index;
  };
  std::vector<Candidate> pool_;
  std::vector<int> channel_[3];  // the palette by channel, for the cell test
  std::vector<int> nearest_;     // scratch of the cell test
  std::vector<int> farthest_;
};

}  // namespace vorlune
