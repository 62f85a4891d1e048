#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>

#include "checks/picker_contrast.h"

namespace vorlune {

// A colour as "#RRGGBB".
QString ColorValueText(Rgb c);

// A picker colour by name and value, "白 #FFFFFF"; "–" for an index outside 0..15.
QString PickerColorName(int index);

// The tooltip of a swatch: its colour and, with a mark, its contrast with the
// background under the part, the contrast asked for and that background.
QString SwatchToolTip(int index, const std::optional<ContrastMark>& mark);

// A row of a colour dialog as the contrast line names it.
struct ContrastLineRow {
  QString name;  // the row's label, "オフ状態色"
  int color;     // the picker index it holds
};

// The line under a colour dialog's rows: the contrast asked for, then each
// row's colour against the background, "オフ状態色: 6.20:1 ✓".
QString ContrastLineText(const std::array<ContrastMark, 16>& marks, std::span<const ContrastLineRow> rows);

}  // namespace vorlune
