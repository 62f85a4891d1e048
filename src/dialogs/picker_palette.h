#pragma once

#include <QColor>
#include <array>
#include <cstdint>

#include "layout/skin_palette.h"

namespace vorlune {

// A colour in the 0x02BBGGRR form every brush of the property dialogs is made
// from: red in the lowest byte, the palette-relative flag 0x02 on top.
using PaletteRGB = std::uint32_t;

constexpr PaletteRGB MakePaletteRGB(Rgb c) {
  return 0x02000000u | (std::uint32_t{c.b} << 16) | (std::uint32_t{c.g} << 8) | c.r;
}

// The 16 picker colours, picker index order.
inline constexpr std::array<PaletteRGB, 16> PickerPalette = [] {
  std::array<PaletteRGB, 16> palette{};
  for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = MakePaletteRGB(kPickerColors[i]);
  return palette;
}();

// No colour shows as grey, the same as entry 8.
inline constexpr PaletteRGB kNoColorPaletteRGB = 0x02808080;

// The preview colour of a stored picker index. Anything outside 0..15 (none, or
// a damaged project file's 16..127) shows as none.
constexpr PaletteRGB PreviewPaletteRGB(int pickerIndex) {
  return pickerIndex >= 0 && pickerIndex < 16 ? PickerPalette[static_cast<std::size_t>(pickerIndex)]
                                              : kNoColorPaletteRGB;
}

inline QColor ToQColor(PaletteRGB value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace vorlune
