#include "zoomed_canvas.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "qt_pictures.h"
#include "skin/skin_renderer.h"

namespace vorlune {

namespace {

const QColor kGuideColor(255, 0, 255);
const QColor kRefusedColor(230, 0, 0);
const QColor kOutlineColor(170, 170, 170);

// A colour under the grid's half-transparent grey.
constexpr int kGridGrey = 128, kGridAlpha = 110;
QRgb OnGrid(QRgb colour) {
  const auto mix = [](int value) {
    return (value * (255 - kGridAlpha) + kGridGrey * kGridAlpha + 127) / 255;
  };
  return qRgb(mix(qRed(colour)), mix(qGreen(colour)), mix(qBlue(colour)));
}

// Device pixels of a line: one, or more at large scales so it stays seen.
int LineWidth(const CanvasMapping& mapping) {
  return std::max(1, static_cast<int>(mapping.scale));
}

}  // namespace

QRect ToQRect(const DeviceRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

void PaintZoomedSkin(QPainter& painter, const QImage& skin, const CanvasMapping& mapping, const QRect& area,
                     bool grid) {
  const int n = mapping.zoom;
  const QRect target = area.intersected(ToQRect(SkinAreaDeviceRect(mapping, 0, 0, kCanvasSize, kCanvasSize)));
  if (target.isEmpty()) return;
  const QImage source = skin.convertToFormat(QImage::Format_RGB32);
  // Kept from one paint to the next: a maximised canvas at a high zoom would
  // otherwise take megabytes anew for every frame of a moving part.
  static QImage zoomed;
  if (zoomed.size() != target.size()) zoomed = QImage(target.size(), QImage::Format_RGB32);
  const int width = target.width();
  const int left = target.x() - mapping.originX;
  std::vector<QRgb> plain(static_cast<std::size_t>(width));
  // A skin row's colours as they show under one grid line and under two
  // (where the lines cross).
  std::array<QRgb, kCanvasSize> once{}, twice{};
  // One device row of skin row `from`: each skin pixel n times without a
  // division per device pixel; with the grid, the first of each but the
  // leftmost in the `lined` colours.
  const auto zoomRow = [&](QRgb* row, const QRgb* colours, const QRgb* lined) {
    int skinX = left / n, within = left % n;
    for (int x = 0; x < width; ++skinX, within = 0) {
      if (grid && within == 0 && skinX > 0) row[x++] = lined[skinX], ++within;
      for (const QRgb colour = colours[skinX]; within < n && x < width; ++within) row[x++] = colour;
    }
  };
  int built = -1;  // the skin row in `plain`
  for (int y = 0; y < target.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(zoomed.scanLine(y));
    const int deviceY = target.y() + y - mapping.originY;
    const int skinY = deviceY / n;
    if (skinY != built) {
      const auto* skinRow = reinterpret_cast<const QRgb*>(source.constScanLine(skinY));
      if (grid)
        for (int x = 0; x < kCanvasSize; ++x) once[x] = OnGrid(skinRow[x]), twice[x] = OnGrid(once[x]);
      zoomRow(plain.data(), skinRow, once.data());
      built = skinY;
    }
    if (grid && deviceY % n == 0 && skinY > 0) {
      zoomRow(row, once.data(), twice.data());  // the grid line along the top of the skin row
    } else {
      std::memcpy(row, plain.data(), plain.size() * sizeof(QRgb));
    }
  }
  painter.drawImage(target.topLeft(), zoomed);
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
