// The canvas drawing attention to an area of the skin, as the problems panel asks.
#include "canvas_view_flash.h"

#include <QPainter>

#include "canvas_view.h"

namespace vorlune {

void CanvasView::FlashArea(const QRect& skinArea) {
  if (flashPhases_ > 0) update(FlashRect());
  flash_ = skinArea;
  flashPhases_ = kFlashPhases;
  update(FlashRect());
  flashTimer_.start();
}

void CanvasView::FlashStep() {
  if (--flashPhases_ <= 0) flashTimer_.stop();
  update(FlashRect());
}

QRect CanvasView::FlashRect() const {
  const QRect area = ViewRect({flash_.left(), flash_.top(), flash_.right() + 1, flash_.bottom() + 1});
  return area.adjusted(-kFlashOutline, -kFlashOutline, kFlashOutline, kFlashOutline);
}

void CanvasView::PaintFlash(QPainter& painter) const {
  if (flashPhases_ <= 0 || flashPhases_ % 2 != 0) return;
  // The flash is drawn in the widget's own pixels.
  painter.setTransform(QTransform());
  const QRect flashed = FlashRect().adjusted(kFlashOutline, kFlashOutline, -kFlashOutline, -kFlashOutline);
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.fillRect(flashed, Qt::white);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(QPen(palette().color(QPalette::Highlight), kFlashOutline));
  painter.drawRect(flashed.adjusted(-1, -1, 0, 0));
}

}  // namespace vorlune
