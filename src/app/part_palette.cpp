#include "part_palette.h"

#include <QGridLayout>

#include "part_pictures.h"

namespace vorlune {

namespace {

// The grid's cells: the columns' widths put the buttons 3 or 4 pixels apart as
// they always stood; each row is 39 pixels high.
constexpr int kColumnWidths[] = {45, 46, 45, 42};
constexpr int kRowHeight = 39;
constexpr int kRows = 8;

// Row and column of kind k: rows of four kinds, except the two rows of three
// display kinds.
std::pair<int, int> CellOf(PartKind k) {
  if (k <= 20) return {(k - 1) / 4, (k - 1) % 4};
  if (k <= 26) return {5 + (k - 21) / 3, (k - 21) % 3};
  return {7, k - 27};
}

}  // namespace

PartPalette::PartPalette(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  for (int column = 0; column < 4; ++column) grid->setColumnMinimumWidth(column, kColumnWidths[column]);
  for (int row = 0; row < kRows; ++row) grid->setRowMinimumHeight(row, kRowHeight);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    auto* button = new PartButton(k, this);
    const auto [row, column] = CellOf(k);
    grid->addWidget(button, row, column, Qt::AlignLeft | Qt::AlignTop);
    connect(button, &QAbstractButton::clicked, this, [this, k] { emit partPressed(k); });
    buttons_[static_cast<std::size_t>(k)] = button;
  }
  // The last row ends with its buttons.
  grid->setRowMinimumHeight(kRows - 1, kButtonPictureHeight);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PartPalette::ShowEnabled(const PartButtonStates& enabled) {
  for (PartKind k = kFirstKind; k <= kLastKind; ++k)
    Button(k)->setEnabled(enabled[static_cast<std::size_t>(k)]);
}

}  // namespace vorlune
