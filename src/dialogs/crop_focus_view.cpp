#include "dialogs/crop_focus_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "image/bmp_fields.h"

namespace vorlune {

CropFocusView::CropFocusView(QWidget* parent)
    : PictureView(QSize(kBackgroundSide, kBackgroundSide), parent, PixelZoom::NotBelowLogical) {}

double CropFocusView::Unit() const {
  return Zoom() / devicePixelRatioF();
}

void CropFocusView::ShowCrop(const QImage& whole, QSize original, FitFocus focus) {
  cropping_ = true;
  original_ = original;
  scaleX_ = double(whole.width()) / original.width();
  scaleY_ = double(whole.height()) / original.height();
  at_ = QPointF((kBackgroundSide - whole.width()) / 2, (kBackgroundSide - whole.height()) / 2);
  focus_ = focus;
  bars_.clear();
  setCursor(grab_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  SetPicture(whole, at_.toPoint());
}

void CropFocusView::ShowFitted(const QImage& fitted, std::vector<QRect> bars) {
  cropping_ = false;
  grab_.reset();
  bars_ = std::move(bars);
  unsetCursor();
  setFocusPolicy(Qt::NoFocus);
  SetPicture(fitted);
}

QRectF CropFocusView::KeptFrame() const {
  if (!cropping_) return {};
  const CropWindow kept = CoverCropWindow(original_.width(), original_.height(), focus_);
  const double unit = Unit();
  return {(at_.x() + kept.x * scaleX_) * unit, (at_.y() + kept.y * scaleY_) * unit,
          kept.width * scaleX_ * unit, kept.height * scaleY_ * unit};
}

void CropFocusView::MoveFocusTowards(FitFocus focus) {
  const CropWindow kept = CoverCropWindow(original_.width(), original_.height(), focus);
  const FitFocus centre{(kept.x + kept.width / 2) / original_.width(),
                        (kept.y + kept.height / 2) / original_.height()};
  if (centre.x != focus_.x || centre.y != focus_.y) ChooseFocus(centre);
}

void CropFocusView::ChooseFocus(FitFocus focus) {
  focus_ = focus;
  update();
  emit focusChosen(focus_);
}

void CropFocusView::paintEvent(QPaintEvent* event) {
  PictureView::paintEvent(event);
  QPainter painter(this);
  if (!cropping_) {
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    const double unit = Unit();
    for (const QRect& bar : bars_)
      painter.drawRect(QRectF(bar.x() * unit, bar.y() * unit, bar.width() * unit, bar.height() * unit)
                           .toAlignedRect()
                           .adjusted(0, 0, -1, -1));
    return;
  }
  // What the crop drops is dimmed; the kept square is framed in black and
  // white so that the frame shows on any picture, thicker while it has the keys.
  const QRectF kept = KeptFrame().toAlignedRect();
  QPainterPath dropped;
  dropped.addRect(
      QRectF(at_ * Unit(), QSizeF(original_.width() * scaleX_, original_.height() * scaleY_) * Unit()));
  dropped.addRect(kept);
  painter.fillPath(dropped, QColor(0, 0, 0, 120));
  const int thickness = hasFocus() ? 2 : 1;
  painter.setPen(QPen(Qt::black, thickness, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(kept.adjusted(0.5 * thickness, 0.5 * thickness, -0.5 * thickness, -0.5 * thickness));
  painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
  painter.drawRect(kept.adjusted(thickness + 0.5, thickness + 0.5, -thickness - 0.5, -thickness - 0.5));
}

void CropFocusView::mousePressEvent(QMouseEvent* event) {
  if (!cropping_ || event->button() != Qt::LeftButton) return PictureView::mousePressEvent(event);
  grab_ = event->position();
  grabFocus_ = focus_;
  setCursor(Qt::ClosedHandCursor);
}

void CropFocusView::mouseMoveEvent(QMouseEvent* event) {
  if (!grab_) return PictureView::mouseMoveEvent(event);
  const QPointF moved = (event->position() - *grab_) / Unit();
  MoveFocusTowards({grabFocus_.x + moved.x() / scaleX_ / original_.width(),
                    grabFocus_.y + moved.y() / scaleY_ / original_.height()});
}

void CropFocusView::mouseReleaseEvent(QMouseEvent* event) {
  if (!grab_) return PictureView::mouseReleaseEvent(event);
  grab_.reset();
  setCursor(Qt::OpenHandCursor);
}

void CropFocusView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!cropping_) return PictureView::mouseDoubleClickEvent(event);
  ChooseFocus({0.5, 0.5});
}

void CropFocusView::keyPressEvent(QKeyEvent* event) {
  if (!cropping_ || event->modifiers() != Qt::NoModifier) return PictureView::keyPressEvent(event);
  // One pixel of the 320 x 320 result, in fractions of the picture.
  const double side = CoverCropWindow(original_.width(), original_.height(), focus_).width;
  const double stepX = side / kBackgroundSide / original_.width();
  const double stepY = side / kBackgroundSide / original_.height();
  FitFocus focus = focus_;
  switch (event->key()) {
    case Qt::Key_Left:
      focus.x -= stepX;
      break;
    case Qt::Key_Right:
      focus.x += stepX;
      break;
    case Qt::Key_Up:
      focus.y -= stepY;
      break;
    case Qt::Key_Down:
      focus.y += stepY;
      break;
    default:
      return PictureView::keyPressEvent(event);
  }
  MoveFocusTowards(focus);
}

}  // namespace vorlune
