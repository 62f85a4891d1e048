#pragma once

#include <QColor>

#include "layout/skin_palette.h"

namespace vorlune {

// No colour shows as grey, the same as picker entry 8.
inline QColor NoColorGrey() {
  return QColor(0x80, 0x80, 0x80);
}

// The preview colour of a stored picker index. Anything outside 0..15 (none, or
// a damaged project file's 16..127) shows as none.
inline QColor PreviewColor(int pickerIndex) {
  if (pickerIndex < 0 || pickerIndex >= 16) return NoColorGrey();
  const Rgb c = kPickerColors[static_cast<std::size_t>(pickerIndex)];
  return QColor(c.r, c.g, c.b);
}

}  // namespace vorlune
