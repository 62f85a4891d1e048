#include "player_screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>
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
    setFixedSize(picture_.size());
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
  if (first >= 0) update(0, first * zoom, picture_.width(), (last - first + 1) * zoom);
}

QSize PlayerScreen::sizeHint() const {
  return picture_.isNull() ? QSize(kCanvasSize * 2, kCanvasSize * 2) : picture_.size();
}

void PlayerScreen::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // One to one: the picture is already enlarged, so nothing is smoothed.
  painter.drawImage(event->rect(), picture_, event->rect());
}

void PlayerScreen::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || zoom_ <= 0) return;
  const QPoint at = event->position().toPoint();
  emit pressedAt(QPoint(at.x() / zoom_, at.y() / zoom_));
}

void PlayerScreen::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit released();
}

}  // namespace vorlune
