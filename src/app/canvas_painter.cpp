#include "canvas_painter.h"

#include <QPainter>

#include "main_window_template.h"
#include "qt_pictures.h"

namespace vorlune {

namespace {
const QColor kGrey(128, 128, 128);
}

QImage LoadTemporaryPicture(const QString& path) {
  QImage picture;
  if (!picture.load(path, "BMP")) return {};
  return picture.convertToFormat(QImage::Format_RGB32);
}

void CombineByExclusiveOr(QImage& target, const QImage& picture, int x, int y) {
  const QRect area = QRect(x, y, picture.width(), picture.height()).intersected(target.rect());
  for (int ty = area.top(); ty <= area.bottom(); ++ty) {
    auto* row = reinterpret_cast<QRgb*>(target.scanLine(ty));
    const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(ty - y));
    for (int tx = area.left(); tx <= area.right(); ++tx) row[tx] = (row[tx] ^ source[tx - x]) | 0xFF000000u;
  }
}

void PaintCanvas(QImage& client, const SkinLayout& layout, const PlacementState& placement,
                 const QImage& background) {
  {
    QPainter painter(&client);
    painter.fillRect(kCanvasFrameArea, kGrey);
    painter.fillRect(kIndicatorArea, kGrey);
    if (layout.backgroundLoaded && !background.isNull())
      painter.drawImage(kCanvasArea.topLeft(), background, QRect(0, 0, kCanvasSize, kCanvasSize));
  }
  if (layout.backgroundLoaded) {
    for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
      const PartRecord& part = layout.part(k);
      if (part.x == -1 && part.y == -1) continue;
      CombineByExclusiveOr(client, CanvasBitmapImage(k), part.x + kCanvasArea.left(),
                           part.y + kCanvasArea.top());
    }
    // A preview at x or y 0 is not drawn; the mouse handler does not erase it either.
    const PartKind current = placement.currentKind;
    if (current >= kFirstKind && placement.preview.x >= 1 && placement.preview.y >= 1) {
      CombineByExclusiveOr(client, CanvasBitmapImage(current), placement.preview.x + kCanvasArea.left(),
                           placement.preview.y + kCanvasArea.top());
    }
  }
  if (placement.currentKind >= kFirstKind) {
    QPainter painter(&client);
    painter.drawImage(kIndicatorArea.topLeft(),
                      ButtonPictureImage(placement.currentKind, ButtonPictureState::Down));
  }
}

}  // namespace vorlune
