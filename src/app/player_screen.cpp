#include "player_screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>
#include <cmath>
#include <cstring>

namespace vorlune {

PlayerScreen::PlayerScreen(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("playerScreen"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void PlayerScreen::Show(const IndexedFrame& frame, int zoom) {
  const bool whole = zoom != zoom_ || frame.palette != palette_ || shown_.size() != frame.pixels.size();
  if (whole) {
    zoom_ = zoom;
    palette_ = frame.palette;
    shown_.assign(frame.pixels.size(), 0);
    picture_ = QImage(frame.width * zoom, frame.height * zoom, QImage::Format_RGB32);
  }
  if (whole || scale_ != devicePixelRatioF()) {
    scale_ = devicePixelRatioF();
    setFixedSize(LogicalSize());
    update();
  }
  std::array<QRgb, 256> colors{};
  for (std::size_t i = 0; i < colors.size(); ++i)
    colors[i] = qRgb(palette_[i].r, palette_[i].g, palette_[i].b);
  const auto width = static_cast<std::size_t>(frame.width);
  int first = -1;
  int last = -1;
  for (int y = 0; y < frame.height; ++y) {
    const std::uint8_t* source = frame.pixels.data() + static_cast<std::size_t>(y) * width;
    std::uint8_t* kept = shown_.data() + static_cast<std::size_t>(y) * width;
    if (!whole && std::memcmp(source, kept, width) == 0) continue;
    std::memcpy(kept, source, width);
    auto* row = reinterpret_cast<QRgb*>(picture_.scanLine(y * zoom));
    for (std::size_t x = 0; x < width; ++x) {
      for (int i = 0; i < zoom; ++i) *row++ = colors[source[x]];
    }
    const auto bytes = static_cast<std::size_t>(picture_.bytesPerLine());
    for (int i = 1; i < zoom; ++i)
      std::memcpy(picture_.scanLine(y * zoom + i), picture_.scanLine(y * zoom), bytes);
    if (first < 0) first = y;
    last = y;
  }
  if (first < 0) return;
  const LogicalRect rows = SkinAreaLogicalRect(Mapping(), 0, first, frame.width, last - first + 1);
  update(QRectF(rows.x, rows.y, rows.width, rows.height).toAlignedRect());
}

void PlayerScreen::ReserveZoom(int zoom) {
  if (!picture_.isNull() || zoom <= 0) return;
  zoom_ = zoom;
  scale_ = devicePixelRatioF();
  setFixedSize(LogicalSize());
}

QSize PlayerScreen::LogicalSize() const {
  const int side = static_cast<int>(std::ceil(kCanvasSize * zoom_ / devicePixelRatioF() - 1e-9));
  return {side, side};
}

QSize PlayerScreen::sizeHint() const {
  return zoom_ > 0 ? LogicalSize() : QSize(kCanvasSize, kCanvasSize);
}

void PlayerScreen::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // The painter counts device pixels, and the picture, already enlarged,
  // goes one to one onto them: nothing is scaled or smoothed.
  const double scale = devicePixelRatioF();
  painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));
  const QRectF exposed = event->rect();
  const QRect area(QPointF(exposed.topLeft() * scale).toPoint() - QPoint(1, 1),
                   QPointF(exposed.bottomRight() * scale).toPoint() + QPoint(2, 2));
  // The sliver of a logical pixel past the picture's last device pixel.
  if (!picture_.rect().contains(area)) painter.fillRect(area, palette().window());
  const QRect shown = area.intersected(picture_.rect());
  if (!shown.isEmpty()) painter.drawImage(shown.topLeft(), picture_, shown);
}

void PlayerScreen::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || zoom_ <= 0) return;
  const CanvasPoint at = SkinPixelAt(Mapping(), event->position().x(), event->position().y());
  emit pressedAt(QPoint(at.x, at.y));
}

void PlayerScreen::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released();
}

}  // namespace vorlune
