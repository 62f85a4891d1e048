#include "dialogs/palette_row.h"

#include <QKeyEvent>
#include <QPainter>

#include "checks/contrast.h"
#include "dialogs/picker_palette.h"
#include "dialogs/qt_image.h"
#include "palette_strip.h"

namespace vorlune {

namespace {
constexpr int kSwatchSize = 16;
constexpr int kFrame = 2;
constexpr int kSwatches = 16;

// A check in the lower right corner of a swatch, in black or white, whichever
// stands out more from the swatch's colour.
void DrawCheck(QPainter& painter, QRect swatch, Rgb color) {
  const bool black = ContrastRatio(color, Rgb{0, 0, 0}) >= ContrastRatio(color, Rgb{255, 255, 255});
  painter.setPen(QPen(black ? Qt::black : Qt::white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  const QPoint at = swatch.topLeft();
  const QPoint check[] = {at + QPoint(7, 10), at + QPoint(9, 12), at + QPoint(13, 6)};
  painter.drawPolyline(check, 3);
}

}  // namespace

PaletteRow::PaletteRow(QWidget* parent) : QWidget(parent) {
  setFixedSize(sizeHint());
  setFocusPolicy(Qt::TabFocus);
  // The dialog hit-tests clicks over all its rows at once.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

QSize PaletteRow::sizeHint() const {
  return {kStripLeft + kPaletteStripWidth, kPaletteStripHeight};
}

void PaletteRow::SetColor(PickerIndex index) {
  if (index == color_) return;
  color_ = index;
  // The frame of the keyboard focus follows the colour.
  if (hasFocus()) update();
  repaint(kColorSquare);
}

void PaletteRow::SetMarkedSwatches(std::bitset<16> marked) {
  if (marked == marked_) return;
  marked_ = marked;
  update();
}

std::optional<int> PaletteRow::SwatchAt(QPoint point) {
  const int left = kStripLeft + kFrame;
  if (point.x() < left || point.x() > left + kSwatches * kSwatchSize - 1) return std::nullopt;
  if (point.y() < kFrame || point.y() > kFrame + kSwatchSize) return std::nullopt;
  return (point.x() - left) / kSwatchSize;
}

QRect PaletteRow::SwatchRect(int index) {
  return {kStripLeft + kFrame + kSwatchSize * index, kFrame, kSwatchSize, kSwatchSize};
}

void PaletteRow::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  painter.fillRect(kColorSquare, PreviewColor(color_));
  // Drawn anew for the display's scale, so it goes one to one onto device pixels.
  const double scale = devicePixelRatioF();
  if (strip_.isNull() || strip_.devicePixelRatio() != scale) {
    strip_ = ToQImage(PaletteStrip(scale));
    strip_.setDevicePixelRatio(scale);
  }
  painter.drawImage(kStripLeft, 0, strip_);
  for (int i = 0; i < kSwatches; ++i) {
    if (marked_[static_cast<std::size_t>(i)])
      DrawCheck(painter, SwatchRect(i), kPickerColors[static_cast<std::size_t>(i)]);
  }
  if (hasFocus()) {
    // Black and white, so that it shows on every colour.
    const QRect chosen =
        color_ >= 0 && color_ < kSwatches ? SwatchRect(color_).adjusted(-2, -2, 2, 2) : kColorSquare;
    painter.setPen(Qt::black);
    painter.drawRect(chosen.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(chosen.adjusted(1, 1, -2, -2));
  }
}

void PaletteRow::keyPressEvent(QKeyEvent* event) {
  const bool none = color_ < 0 || color_ >= kSwatches;
  int index = -1;
  switch (event->key()) {
    case Qt::Key_Left:
      index = none ? kSwatches - 1 : std::max(0, color_ - 1);
      break;
    case Qt::Key_Right:
      index = none ? 0 : std::min(kSwatches - 1, color_ + 1);
      break;
    case Qt::Key_Home:
      index = 0;
      break;
    case Qt::Key_End:
      index = kSwatches - 1;
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  emit colorChosen(index);
}

}  // namespace vorlune
