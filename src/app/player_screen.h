#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "player/indexed_frame.h"

namespace vorlune {

// The simulated handheld's screen: a player frame enlarged `zoom` times, each
// skin pixel an exact square of one colour (nearest neighbour, no smoothing).
// A press of the left button reports the skin pixel under it.
class PlayerScreen : public QWidget {
  Q_OBJECT

 public:
  explicit PlayerScreen(QWidget* parent = nullptr);

  // Shows `frame`; only the rows that changed are converted and repainted,
  // so a frame like the one before costs next to nothing.
  void Show(const IndexedFrame& frame, int zoom);
  // The picture as shown, 320 x zoom pixels square.
  const QImage& Picture() const { return picture_; }
  int Zoom() const { return zoom_; }

  QSize sizeHint() const override;

 signals:
  void pressedAt(QPoint skin);
  void released();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<std::uint8_t> shown_;  // the indices on the picture
  SkinPalette palette_{};
  int zoom_ = 0;
  QImage picture_;
};

}  // namespace vorlune
