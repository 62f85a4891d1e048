#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <vector>

#include "layout/canvas_zoom.h"
#include "player/indexed_frame.h"

namespace vorlune {

// The simulated handheld's screen: a player frame enlarged `zoom` times in
// device pixels, as the canvas draws the skin: each skin pixel an exact block
// of zoom x zoom device pixels of one colour at any display scale. A press of
// the left button reports the skin pixel under it, found as the canvas finds it.
class PlayerScreen : public QWidget {
  Q_OBJECT

 public:
  explicit PlayerScreen(QWidget* parent = nullptr);

  // Shows `frame`; only the rows that changed are converted and repainted,
  // so a frame like the one before costs next to nothing.
  void Show(const IndexedFrame& frame, int zoom);
  // The room of a skin at `zoom` before the first frame comes.
  void ReserveZoom(int zoom);
  // The picture as shown, 320 x zoom device pixels square.
  const QImage& Picture() const { return picture_; }
  int Zoom() const { return zoom_; }
  CanvasMapping Mapping() const { return {devicePixelRatioF(), zoom_, 0, 0}; }

  QSize sizeHint() const override;

 signals:
  void pressedAt(QPoint skin);
  void released();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The widget's size in logical pixels: the skin's device pixels rounded up.
  QSize LogicalSize() const;

  std::vector<std::uint8_t> shown_;  // the indices on the picture
  SkinPalette palette_{};
  int zoom_ = 0;
  double scale_ = 0;  // the device pixel ratio the size was made for
  QImage picture_;
};

}  // namespace vorlune
