#include "dialogs/picker_rows.h"

#include "palette_strip.h"

namespace vorlune {

namespace {
constexpr int kSwatchSize = 16;
constexpr int kFrame = 2;
constexpr int kPreviewSize = 20;
constexpr int kPreviewGap = 20;
}  // namespace

QRect StripRect(const PickerRow& row) {
  return {row.strip, QSize(kPaletteStripWidth, kPaletteStripHeight)};
}

QRect SwatchRect(const PickerRow& row, int index) {
  return {row.strip.x() + kFrame + kSwatchSize * index, row.strip.y() + kFrame, kSwatchSize, kSwatchSize};
}

QRect PreviewRect(const PickerRow& row) {
  return {row.strip.x() - kPreviewGap - kPreviewSize, row.strip.y(), kPreviewSize, kPreviewSize};
}

std::optional<PickerHit> HitPickerRows(std::span<const PickerRow> rows, QPoint click) {
  if (rows.empty()) return std::nullopt;
  const int left = rows.front().strip.x() + kFrame;
  if (click.x() < left || click.x() > left + 16 * kSwatchSize - 1) return std::nullopt;
  const int index = (click.x() - left) / kSwatchSize;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int top = rows[i].strip.y() + kFrame;
    if (click.y() >= top && click.y() <= top + kSwatchSize) return PickerHit{static_cast<int>(i), index};
  }
  return std::nullopt;
}

}  // namespace vorlune
