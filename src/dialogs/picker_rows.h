#pragma once

#include <QPoint>
#include <QRect>
#include <optional>
#include <span>

namespace vorlune {

// One row of a palette picker. Row i of a dialog edits entry i of its colours.
// The strip origin is in client pixels; the label is placed in dialog units.
struct PickerRow {
  const char* label;  // UTF-8
  QRect labelUnits;
  QPoint strip;
};

// The strip picture copied whole to the row's origin.
QRect StripRect(const PickerRow& row);
// Swatch i (0..15) inside the strip.
QRect SwatchRect(const PickerRow& row, int index);
// The square left of the strip, 20 pixels away, filled with the row's colour.
QRect PreviewRect(const PickerRow& row);

// A click that lands on a swatch: which row and which picker index.
struct PickerHit {
  int row;
  int index;
};

// The band of a row takes in the frame line under the swatches but not the
// columns left and right of them nor the line above. Rows share their x; the
// first row, top to bottom, whose band holds the point wins.
std::optional<PickerHit> HitPickerRows(std::span<const PickerRow> rows, QPoint click);

}  // namespace vorlune
