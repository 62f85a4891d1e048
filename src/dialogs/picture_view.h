#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace vorlune {

// How a picture of pixels (a skin, a photo fitted to it) is shown: as it is,
// or as exact blocks of zoom x zoom device pixels, the zoom a whole number
// chosen for the display's scale, so that no pixel comes out wider than its
// neighbours. Pictures made for the display (a device pixel ratio above 1)
// are always drawn at their own ratio.
enum class PixelZoom {
  None,             // at 1:1 in logical pixels
  NotBelowLogical,  // the smallest whole zoom at which a pixel is no smaller than a logical pixel
  NotAboveLogical,  // the largest whole zoom at which it is no larger (1 at scales below 2)
};

// A picture in a place of fixed size, on a ground of its own colour when it
// has one. With a PixelZoom the place and `at` are in the picture's pixels and
// the view is as large as they come out at the zoom.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QSize size, QWidget* parent = nullptr, PixelZoom zoom = PixelZoom::None);

  void SetPicture(const QImage& picture, QPoint at = {});
  void SetGround(const QColor& ground) { ground_ = ground; }
  // Device pixels per picture pixel (1 without a PixelZoom).
  int Zoom() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize size_;
  PixelZoom pixelZoom_;
  QColor ground_;
  QImage picture_;
  QImage zoomed_;  // the picture in device pixels, made when first painted
  QPoint at_;
};

}  // namespace vorlune
