#include "window_placement.h"

#include <QScreen>
#include <algorithm>

namespace vorlune {

namespace {

// The top-left corner that keeps `frame` inside `room`, its top-left first
// when it cannot fit whole, so that the title bar stays reachable.
QPoint Within(const QRect& room, const QRect& frame) {
  const int x = std::max(room.left(), std::min(frame.left(), room.right() + 1 - frame.width()));
  const int y = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
  return {x, y};
}

}  // namespace

void KeepOnScreen(QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect frame = window.frameGeometry();
  const QPoint to = Within(screen->availableGeometry(), frame);
  if (to != frame.topLeft()) window.move(window.pos() + (to - frame.topLeft()));
}

void PlaceBeside(QWidget& window, const QWidget& other) {
  const QScreen* screen = other.screen();
  if (screen == nullptr) return;
  window.adjustSize();
  // Before it is shown the window has no frame yet: allow the other window's.
  const QSize decoration = other.frameGeometry().size() - other.geometry().size();
  const QRect frame(other.frameGeometry().topRight() + QPoint(1, 0), window.size() + decoration);
  window.move(Within(screen->availableGeometry(), frame));
}

}  // namespace vorlune
