#pragma once

#include <array>
#include <cstdint>

#include "image/indexed_picture.h"
#include "image/true_color_levels.h"

namespace vorlune {

// Level numbers (0..5) of red, green and blue: one of the 216 grid cells.
struct Cell {
  int i = 0;
  int j = 0;
  int k = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// Colour-table position of each cell: red level, green level, blue level.
using CellIndexTable = std::array<std::array<std::array<std::uint8_t, 6>, 6>, 6>;

// The grid of a 24-bit reduction: 216 cells less two dropped ones, each of
// which is replaced by a kept cell.
struct ColorGrid {
  std::array<ChannelLevels, 3> levels{};  // red, green, blue
  CellIndexTable table{};                 // entries of dropped cells are unused
  std::array<Cell, 2> dropped{};
  std::array<Cell, 2> replacement{};

  // The position a pixel in `cell` gets, dropped cells included.
  std::uint8_t PositionOf(Cell cell) const;
};

// Chooses the dropped cells, numbers the others in order and writes their
// colours into palette entries 0..213.
ColorGrid BuildColorGrid(const std::array<ChannelLevels, 3>& levels, WorkingPalette& palette);

}  // namespace vorlune
