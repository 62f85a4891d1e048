#include "canvas_painter.h"

#include <QPainter>

#include "qt_pictures.h"

namespace vorlune {

namespace {
const QColor kGrey(128, 128, 128);
}

QImage BackgroundImage(const SkinLayout& layout) {
  const std::size_t rows = layout.pixelOffset + std::size_t{kCanvasSize} * kCanvasSize;
  if (!layout.backgroundLoaded || layout.picture.size() < rows) return {};
  QImage image(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
  const std::uint8_t* index = layout.picture.data() + layout.pixelOffset;
  for (int y = 0; y < kCanvasSize; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < kCanvasSize; ++x, ++index) {
      const Rgb c = layout.palette[*index];
      row[x] = qRgb(c.r, c.g, c.b);
    }
  }
  return image;
}

void CombineByExclusiveOr(QImage& target, const QImage& picture, int x, int y) {
  const QRect area = QRect(x, y, picture.width(), picture.height()).intersected(target.rect());
  for (int ty = area.top(); ty <= area.bottom(); ++ty) {
    auto* row = reinterpret_cast<QRgb*>(target.scanLine(ty));
    const auto* source = reinterpret_cast<const QRgb*>(picture.constScanLine(ty - y));
    for (int tx = area.left(); tx <= area.right(); ++tx) row[tx] = (row[tx] ^ source[tx - x]) | 0xFF000000u;
  }
}

QImage SkinImage(const SkinLayout& layout, const PlacementState& placement, const QImage& background) {
  QImage skin = background;
  if (!layout.backgroundLoaded || background.isNull()) {
    skin = QImage(kCanvasSize, kCanvasSize, QImage::Format_RGB32);
    skin.fill(kGrey);
  }
  // Parts are drawn only on a background, even on the grey of a missing one.
  if (!layout.backgroundLoaded) return skin;
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& part = layout.part(k);
    if (part.x == -1 && part.y == -1) continue;
    CombineByExclusiveOr(skin, CanvasBitmapImage(k), part.x, part.y);
  }
  const PartKind current = placement.currentKind;
  if (IsPartKind(current) && placement.preview.x >= 1 && placement.preview.y >= 1)
    CombineByExclusiveOr(skin, CanvasBitmapImage(current), placement.preview.x, placement.preview.y);
  return skin;
}

void PaintCanvas(QPainter& painter, QPoint origin, const QImage& skin) {
  const QRect frame(origin - QPoint(kCanvasFrameWidth, kCanvasFrameWidth),
                    QSize(kCanvasSize + 2 * kCanvasFrameWidth, kCanvasSize + 2 * kCanvasFrameWidth));
  painter.fillRect(frame, kGrey);
  painter.drawImage(origin, skin);
}

QImage IndicatorImage(PartKind k, int scale) {
  if (IsPartKind(k)) return ButtonPictureImage(k, ButtonPictureState::Down, scale);
  QImage grey(kButtonPictureWidth * scale, kButtonPictureHeight * scale, QImage::Format_RGB32);
  grey.fill(kGrey);
  grey.setDevicePixelRatio(scale);
  return grey;
}

}  // namespace vorlune
