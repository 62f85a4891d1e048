#include "zoomed_canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "qt_pictures.h"
#include "skin/skin_renderer.h"

namespace vorlune {

namespace {

const QColor kGridColor(128, 128, 128, 110);
const QColor kGuideColor(255, 0, 255);
const QColor kRefusedColor(230, 0, 0);
const QColor kOutlineColor(170, 170, 170);

// Device pixels of a line: one, or more at large scales so it stays seen.
int LineWidth(const CanvasMapping& mapping) {
  return std::max(1, static_cast<int>(mapping.scale));
}

}  // namespace

QRect ToQRect(const DeviceRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

void PaintZoomedSkin(QPainter& painter, const QImage& skin, const CanvasMapping& mapping, const QRect& area) {
  const int n = mapping.zoom;
  const QRect target = area.intersected(ToQRect(SkinAreaDeviceRect(mapping, 0, 0, kCanvasSize, kCanvasSize)));
  if (target.isEmpty()) return;
  const QImage source = skin.convertToFormat(QImage::Format_RGB32);
  QImage zoomed(target.size(), QImage::Format_RGB32);
  for (int y = 0; y < target.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(zoomed.scanLine(y));
    const int deviceY = target.y() + y - mapping.originY;
    if (y > 0 && deviceY % n != 0) {  // the same skin row as the line above
      std::memcpy(row, zoomed.constScanLine(y - 1), static_cast<std::size_t>(zoomed.bytesPerLine()));
      continue;
    }
    const auto* skinRow = reinterpret_cast<const QRgb*>(source.constScanLine(deviceY / n));
    // Each skin pixel n times along the row, without a division per device pixel.
    int skinX = (target.x() - mapping.originX) / n, within = (target.x() - mapping.originX) % n;
    for (int x = 0; x < target.width(); ++skinX, within = 0)
      for (const QRgb colour = skinRow[skinX]; within < n && x < target.width(); ++within) row[x++] = colour;
  }
  painter.drawImage(target.topLeft(), zoomed);
}

void PaintPixelGrid(QPainter& painter, const CanvasMapping& mapping, const QRect& area) {
  const QRect skin = ToQRect(SkinAreaDeviceRect(mapping, 0, 0, kCanvasSize, kCanvasSize));
  const QRect target = area.intersected(skin);
  if (target.isEmpty()) return;
  const int n = mapping.zoom;
  const int firstX = (target.left() - mapping.originX + n - 1) / n,
            lastX = (target.right() - mapping.originX) / n;
  const int firstY = (target.top() - mapping.originY + n - 1) / n,
            lastY = (target.bottom() - mapping.originY) / n;
  for (int x = std::max(firstX, 1); x <= lastX; ++x)
    painter.fillRect(mapping.originX + x * n, target.top(), 1, target.height(), kGridColor);
  for (int y = std::max(firstY, 1); y <= lastY; ++y)
    painter.fillRect(target.left(), mapping.originY + y * n, target.width(), 1, kGridColor);
}

void PaintPartOutlines(QPainter& painter, const CanvasMapping& mapping, const SkinLayout& layout) {
  const int width = LineWidth(mapping);
  for (PartKind k = kFirstKind; k <= kLastKind; ++k) {
    const PartRecord& part = layout.part(k);
    if (!part.placed()) continue;
    QPen pen(kOutlineColor, width);
    pen.setJoinStyle(Qt::MiterJoin);
    if (GroupOf(k) == PartGroup::Alone && part.colors[0] == kNoColor) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QRectF rect = ToQRect(SkinAreaDeviceRect(mapping, part.x, part.y, part.width, part.height));
    painter.drawRect(rect.adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
  }
}

void PaintPlacementHelp(QPainter& painter, const CanvasMapping& mapping, PartKind k,
                        const PlacementHelp& help) {
  const int width = LineWidth(mapping);
  for (const GuideLine& guide : help.guides) {
    const bool vertical = guide.orientation == GuideOrientation::Vertical;
    const DeviceRect from = vertical
                                ? SkinAreaDeviceRect(mapping, guide.at, guide.from, 0, guide.to - guide.from)
                                : SkinAreaDeviceRect(mapping, guide.from, guide.at, guide.to - guide.from, 0);
    const QRect line = vertical ? QRect(from.x - width / 2, from.y, width, from.height)
                                : QRect(from.x, from.y - width / 2, from.width, width);
    painter.fillRect(line, kGuideColor);
  }
  if (help.refusal.reason == RefusalReason::None || !IsPartKind(k)) return;
  const PartKindInfo& info = KindInfo(k);
  const QRect part =
      ToQRect(SkinAreaDeviceRect(mapping, help.position.x, help.position.y, info.width, info.height));
  QColor tint = kRefusedColor;
  tint.setAlpha(90);
  painter.fillRect(part, tint);
  const int outline = 2 * width;
  painter.fillRect(part.left(), part.top(), part.width(), outline, kRefusedColor);
  painter.fillRect(part.left(), part.bottom() + 1 - outline, part.width(), outline, kRefusedColor);
  painter.fillRect(part.left(), part.top(), outline, part.height(), kRefusedColor);
  painter.fillRect(part.right() + 1 - outline, part.top(), outline, part.height(), kRefusedColor);
}

QImage RealColourSkin(const SkinLayout& layout) {
  if (!layout.backgroundLoaded) return {};
  return ToQImage(RenderLayoutPreview(layout));
}

}  // namespace vorlune
