#pragma once

#include <QWidget>
#include <array>

#include "layout/placement_effects.h"
#include "part_button.h"

namespace vorlune {

// The 30 part buttons in their grid: four columns of the button kinds and the
// meters, then the displays in three columns, the titles and Replay last.
class PartPalette : public QWidget {
  Q_OBJECT

 public:
  explicit PartPalette(QWidget* parent = nullptr);

  PartButton* Button(PartKind k) const { return buttons_.at(static_cast<std::size_t>(k)); }
  // Mirrors the document's part-button states (index = kind).
  void ShowEnabled(const PartButtonStates& enabled);

 signals:
  void partPressed(PartKind k);

 private:
  std::array<PartButton*, kLayoutRows> buttons_{};
};

}  // namespace vorlune
