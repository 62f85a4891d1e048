#pragma once

#include <cstdint>
#include <vector>

#include "layout/skin_palette.h"

namespace vorlune {

// Finds the nearest palette colour (squared distance over red, green, blue;
// the lowest position among equals), exactly as a search of the whole palette
// would, but fast: the colour cube is cut into cells (2^cellBits along each
// channel) and each cell, when first asked, keeps the few palette colours that
// can be nearest to some colour inside it, nearest first. A cell's list is
// drawn from the list of the coarser cell around it (cells twice as wide),
// which is drawn from the whole palette.
class NearestColor {
 public:
  NearestColor(const std::vector<Rgb>& palette, int cellBits);
  int Find(int r, int g, int b);

 private:
  struct Candidate {
    int lowerBound;  // squared distance to the nearest colour of the cell
    int index;
  };
  struct Level {
    int bits = 0;
    std::vector<std::int32_t> start;  // of each cell's candidates in pool, -1 until asked
    std::vector<std::uint8_t> count;
    std::vector<Candidate> pool;

    std::size_t CellOf(int r, int g, int b) const;
  };

  // Fills the cell of (r, g, b) in `level` from the palette positions `from`.
  void FillCell(Level& level, std::size_t cell, int r, int g, int b, const Candidate* from, std::size_t n);

  std::vector<Rgb> palette_;
  Level coarse_;
  Level fine_;
  std::vector<Candidate> everyColor_;
  std::vector<int> farthest_;  // scratch of the cell test
};

}  // namespace vorlune
