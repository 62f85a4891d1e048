#include "dialogs/picture_view.h"

#include <QPainter>

namespace vorlune {

PictureView::PictureView(QSize size, QWidget* parent) : QWidget(parent), size_(size) {
  setFixedSize(size);
}

void PictureView::SetPicture(const QImage& picture, QPoint at) {
  picture_ = picture;
  at_ = at;
  update();
}

void PictureView::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  if (ground_.isValid()) painter.fillRect(rect(), ground_);
  if (!picture_.isNull()) painter.drawImage(at_, picture_);
}

}  // namespace vorlune
