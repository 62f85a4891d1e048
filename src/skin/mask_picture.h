#pragma once

#include <cstdint>
#include <vector>

#include "layout/part_kind.h"

namespace vorlune {

// A built-in mask: W x H pixels of 4 bits, two a byte, the high nibble the left
// pixel, rows top first, no header. 0 is outside the shape; 1, 2, 3 are drawn in
// the part's colour 0, 1, 2 (the skin writer treats every non-zero value alike).
struct MaskPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> packed;  // width / 2 * height bytes

  MaskPicture() = default;
  MaskPicture(int w, int h) : width(w), height(h), packed(static_cast<std::size_t>(w / 2 * h)) {}

  std::uint8_t at(int x, int y) const {
    const std::uint8_t byte = packed[static_cast<std::size_t>(y * (width / 2) + x / 2)];
    return (x % 2 == 0) ? static_cast<std::uint8_t>(byte >> 4) : static_cast<std::uint8_t>(byte & 0x0F);
  }
  void set(int x, int y, std::uint8_t value) {
    std::uint8_t& byte = packed[static_cast<std::size_t>(y * (width / 2) + x / 2)];
    byte = (x % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                        : static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
  }
};

inline constexpr int kDigitStripWidth = 330;
inline constexpr int kDigitStripHeight = 36;
inline constexpr int kDigitCellWidth = 30;

// The shape of kind k (1..30), of the kind's size.
const MaskPicture& PartShapeMask(PartKind k);

// The digit strip of typeface 1..3: eleven 30 x 36 cells (digits 0..9, colon).
const MaskPicture& DigitStrip(int typeface);

// Drawn pictures that the rule-built masks take over: the title sample of kinds
// 27..29 and the replay symbol of kind 30.
MaskPicture TitleSampleMask(PartKind k);
MaskPicture ReplaySymbolMask();

}  // namespace vorlune
