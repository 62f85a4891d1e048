#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <bitset>
#include <optional>

#include "layout/skin_layout.h"

namespace vorlune {

// One row of the palette picker: a square filled with the row's colour and,
// 20 pixels to its right, the strip of the 16 picker colours. Clicks on the
// strip are taken by the dialog (PickerDialog::SwatchAt), so that they land
// where they always have; with the keyboard focus, the arrow keys, Home and
// End choose a colour, and a frame shows the colour chosen. Swatches whose
// colour stands out enough from the background under the part carry a check.
class PaletteRow : public QWidget {
  Q_OBJECT

 public:
  explicit PaletteRow(QWidget* parent = nullptr);

  PickerIndex Color() const { return color_; }
  // Repaints the square before returning.
  void SetColor(PickerIndex index);
  // Bit i: swatch i gets a check mark. None by default.
  void SetMarkedSwatches(std::bitset<16> marked);

  // The swatch under a point of the row. The band of swatches takes in the
  // frame line under them but not the columns left and right nor the line above.
  static std::optional<int> SwatchAt(QPoint point);
  // Swatch i (0..15) in the row.
  static QRect SwatchRect(int index);
  static constexpr QRect kColorSquare{0, 0, 20, 20};
  static constexpr int kStripLeft = 40;

  QSize sizeHint() const override;

 signals:
  // A colour chosen with the keyboard.
  void colorChosen(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  PickerIndex color_ = kNoColor;
  std::bitset<16> marked_;
  QImage strip_;  // drawn for the display's scale
};

}  // namespace vorlune
