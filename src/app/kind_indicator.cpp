#include "kind_indicator.h"

#include <QPainter>

#include "canvas_painter.h"
#include "part_names.h"
#include "part_pictures.h"
#include "qt_pictures.h"

namespace vorlune {

KindIndicator::KindIndicator(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("indicator"));
  setFixedSize(kButtonPictureWidth, kButtonPictureHeight);
}

void KindIndicator::ShowKind(PartKind k) {
  if (k == kind_) return;
  kind_ = k;
  setAccessibleName(IsPartKind(k) ? PartKindName(k) : QString());
  update();
}

void KindIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage picture = IndicatorImage(kind_, PictureScale(devicePixelRatioF()));
  painter.setRenderHint(QPainter::SmoothPixmapTransform, picture.devicePixelRatio() != devicePixelRatioF());
  painter.drawImage(rect(), picture);
}

}  // namespace vorlune
