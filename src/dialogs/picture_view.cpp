#include "dialogs/picture_view.h"

#include <QPainter>
#include <cmath>

#include "layout/canvas_zoom.h"

namespace vorlune {

namespace {

// Each pixel as a block of zoom x zoom, exactly.
QImage Enlarged(const QImage& picture, int zoom) {
  const QImage source = picture.convertToFormat(QImage::Format_RGB32);
  if (zoom == 1) return source;
  QImage zoomed(source.width() * zoom, source.height() * zoom, QImage::Format_RGB32);
  for (int y = 0; y < zoomed.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y / zoom));
    auto* row = reinterpret_cast<QRgb*>(zoomed.scanLine(y));
    for (int x = 0; x < zoomed.width(); ++x) row[x] = from[x / zoom];
  }
  return zoomed;
}

}  // namespace

PictureView::PictureView(QSize size, QWidget* parent, PixelZoom zoom)
    : QWidget(parent), size_(size), pixelZoom_(zoom) {
  setFixedSize(sizeHint());
}

int PictureView::Zoom() const {
  const double scale = devicePixelRatioF();
  switch (pixelZoom_) {
    case PixelZoom::None:
      break;
    case PixelZoom::NotBelowLogical:
      return DefaultZoom(scale);
    case PixelZoom::NotAboveLogical:
      return std::max(1, static_cast<int>(std::floor(scale + 1e-3)));
  }
  return 1;
}

QSize PictureView::sizeHint() const {
  if (pixelZoom_ == PixelZoom::None) return size_;
  const double factor = Zoom() / devicePixelRatioF();
  return {static_cast<int>(std::ceil(size_.width() * factor - 1e-6)),
          static_cast<int>(std::ceil(size_.height() * factor - 1e-6))};
}

void PictureView::SetPicture(const QImage& picture, QPoint at) {
  picture_ = picture;
  zoomed_ = QImage();
  at_ = at;
  update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  if (ground_.isValid()) painter.fillRect(rect(), ground_);
  if (picture_.isNull()) return;
  if (pixelZoom_ == PixelZoom::None || picture_.devicePixelRatio() != 1) {
    // Made at a whole scale: a fractional one brings it down a little, smoothly.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture_.devicePixelRatio() != devicePixelRatioF());
    painter.drawImage(at_, picture_);
    return;
  }
  const int zoom = Zoom();
  if (zoomed_.isNull() || zoomed_.width() != picture_.width() * zoom) zoomed_ = Enlarged(picture_, zoom);
  // The painter counts device pixels: the enlarged picture goes one to one onto them.
  const double scale = devicePixelRatioF();
  painter.setTransform(QTransform::fromScale(1 / scale, 1 / scale));
  painter.drawImage(at_ * zoom, zoomed_);
}

}  // namespace vorlune
