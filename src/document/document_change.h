#pragma once

#include <vector>

#include "layout/skin_layout.h"

namespace vorlune {

// A point of the skin, in skin pixels: (0, 0) is the top-left pixel of the
// 320 x 320 background. Points off the skin are allowed (a click beside it).
struct SkinPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const SkinPoint&, const SkinPoint&) = default;
};

// A rectangle of the skin in skin pixels, within 0..320; right and bottom exclusive.
struct SkinRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

inline constexpr SkinRect kWholeSkin{0, 0, kCanvasSize, kCanvasSize};

// What one operation of a SkinDocument changed. Every operation that changes
// anything sends exactly one of these to every subscriber, after it is done.
struct DocumentChange {
  enum Aspect : unsigned {
    Area = 1,        // `areas` of the skin must be painted again
    Background = 2,  // the background picture (or its absence) is another one
    Placed = 4,      // placed set, positions or colours of parts; part-button states
    Placement = 8,   // kind being placed or moved, its preview, the placement text, part-button states
    Texts = 16,      // database name, author or version
    Modified = 32,   // the unsaved mark
    History = 64,    // the steps to undo or redo
    Path = 128,      // the project path or the file the title names
  };
  unsigned aspects = 0;
  // In skin pixels, without duplicates; the whole skin after an import, a load,
  // an undo or a redo. Set exactly when `aspects` has Area.
  std::vector<SkinRect> areas;

  bool Has(Aspect aspect) const { return (aspects & aspect) != 0; }
};

}  // namespace vorlune
