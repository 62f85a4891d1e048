#include "part_button.h"

#include <QEvent>
#include <QPainter>

#include "part_names.h"
#include "qt_pictures.h"

namespace vorlune {

PartButton::PartButton(PartKind k, QWidget* parent)
    : QAbstractButton(parent),
      kind_(k),
      up_(ButtonPictureImage(k, ButtonPictureState::Up, PictureScale(devicePixelRatioF()))),
      down_(ButtonPictureImage(k, ButtonPictureState::Down, PictureScale(devicePixelRatioF()))),
      disabled_(ButtonPictureImage(k, ButtonPictureState::Disabled, PictureScale(devicePixelRatioF()))) {
  setObjectName(QStringLiteral("part%1").arg(k));
  setFixedSize(sizeHint());
  NameAfterKind();
}

QSize PartButton::sizeHint() const {
  return {kButtonPictureWidth, kButtonPictureHeight};
}

void PartButton::NameAfterKind() {
  const QString name = PartKindName(kind_);
  setText(name);
  setToolTip(name);
  setAccessibleName(name);
}

void PartButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) NameAfterKind();
  QAbstractButton::changeEvent(event);
}

void PartButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Drawn from the masks at the display's whole scale; only a fractional
  // scale brings it down a little, smoothly, so no pixel comes out uneven.
  const QImage& picture = !isEnabled() ? disabled_ : isDown() ? down_ : up_;
  painter.setRenderHint(QPainter::SmoothPixmapTransform, picture.devicePixelRatio() != devicePixelRatioF());
  painter.drawImage(rect(), picture);
  if (!hasFocus()) return;
  // The pictures have no focus state: a frame in the highlight colour, seen on
  // the black and the silver grounds alike.
  painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace vorlune
