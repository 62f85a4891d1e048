#include "image/cell_index_table.h"

namespace vorlune {

namespace {

// Flag clear: the darkest cell stays and absorbs the next two darkest.
void DropDarkestCells(const std::array<ChannelLevels, 3>& L, ColorGrid& grid) {
  std::array<int, 3> slot{16581375, 16581375, 16581375};
  std::array<Cell, 3> cell{};
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      for (int k = 0; k < 6; ++k) {
        const int darkness = L[0][i] * L[0][i] + L[1][j] * L[1][j] + L[2][k] * L[2][k];
        const Cell here{i, j, k};
        if (darkness < slot[0]) {
          slot = {darkness, slot[0], slot[1]};
          cell = {here, cell[0], cell[1]};
        } else if (darkness < slot[1]) {
          slot[2] = slot[1];
          cell[2] = cell[1];
          slot[1] = darkness;
          cell[1] = here;
        } else if (darkness < slot[2]) {
          slot[2] = darkness;
          cell[2] = here;
        }
      }
    }
  }
  grid.dropped = {cell[1], cell[2]};
  grid.replacement = {cell[0], cell[0]};
}

// Flag set: the first pair of equal levels found drops the two cells at the
// higher level number next to the origin of the other two channels.
void DropCellsOfEqualLevels(const std::array<ChannelLevels, 3>& L, ColorGrid& grid) {
  for (int i = 0; i < 5; ++i) {
    for (int j = i + 1; j < 6; ++j) {
      if (L[0][i] == L[0][j]) {
        grid.replacement = {Cell{i, 0, 0}, Cell{i, 0, 1}};
        grid.dropped = {Cell{j, 0, 0}, Cell{j, 0, 1}};
        return;
      }
      if (L[1][i] == L[1][j]) {
        grid.replacement = {Cell{0, i, 0}, Cell{0, i, 1}};
        grid.dropped = {Cell{0, j, 0}, Cell{0, j, 1}};
        return;
      }
      if (L[2][i] == L[2][j]) {
        grid.replacement = {Cell{0, 0, i}, Cell{0, 1, i}};
        grid.dropped = {Cell{0, 0, j}, Cell{0, 1, j}};
        return;
      }
    }
  }
}

}  // namespace

std::uint8_t ColorGrid::PositionOf(Cell cell) const {
  for (int d = 0; d < 2; ++d) {
    if (cell == dropped[d]) return table[replacement[d].i][replacement[d].j][replacement[d].k];
  }
  return table[cell.i][cell.j][cell.k];
}

ColorGrid BuildColorGrid(const std::array<ChannelLevels, 3>& levels, WorkingPalette& palette) {
  ColorGrid grid;
  grid.levels = levels;
  const bool equalLevels =
      HasEqualLevels(levels[0]) || HasEqualLevels(levels[1]) || HasEqualLevels(levels[2]);
  if (equalLevels) {
    DropCellsOfEqualLevels(levels, grid);
  } else {
    DropDarkestCells(levels, grid);
  }

  int n = 0;
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j) {
      for (int k = 0; k < 6; ++k) {
        const Cell here{i, j, k};
        if (here == grid.dropped[0] || here == grid.dropped[1]) continue;
        palette[n] = Rgb{levels[0][i], levels[1][j], levels[2][k]};
        grid.table[i][j][k] = static_cast<std::uint8_t>(n);
        ++n;
      }
    }
  }
  return grid;
}

}  // namespace vorlune
