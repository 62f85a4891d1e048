#pragma once

#include <cstdint>
#include <vector>

#include "skin/mask_picture.h"

namespace vorlune {

// A mask unpacked to one value per pixel, so that it can be trimmed, shrunk
// and cropped into the small part-button pictures.
struct MaskGrid {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> values;  // width * height, rows top first

  MaskGrid() = default;
  MaskGrid(int w, int h) : width(w), height(h), values(static_cast<std::size_t>(w * h)) {}

  std::uint8_t at(int x, int y) const { return values[static_cast<std::size_t>(y * width + x)]; }
  void set(int x, int y, std::uint8_t v) { values[static_cast<std::size_t>(y * width + x)] = v; }
};

MaskGrid UnpackMask(const MaskPicture& mask);

// The smallest part of the grid that holds every non-zero value.
MaskGrid TrimEmptyBorder(const MaskGrid& grid);

// Shrinks each run of identical rows (and then of identical columns) in
// proportion, never below one line, so that the gaps between bars and dots
// survive a reduction that plain sampling would smear away.
MaskGrid ShrinkRunsToFit(const MaskGrid& grid, int maxWidth, int maxHeight);

// Cuts the grid down to the box, keeping its middle (or its left edge).
enum class CropAnchor { Centre, Left };
MaskGrid CropToBox(const MaskGrid& grid, int maxWidth, int maxHeight, CropAnchor anchor);

// Scales lettering down by a uniform factor: a pixel is ink (1) when at least half
// of its area is, faint ink (4) when a fifth is, so thin strokes stay visible.
inline constexpr std::uint8_t kFaintInk = 4;
MaskGrid ScaleLettering(const MaskGrid& grid, int maxWidth, int maxHeight);

}  // namespace vorlune
