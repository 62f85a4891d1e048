#include "canvas_status.h"

#include <QLabel>
#include <QStatusBar>

#include "canvas_view.h"

namespace vorlune {

CanvasStatus::CanvasStatus(CanvasView& canvas, const SkinDocument& document, QStatusBar& bar)
    : QObject(&canvas),
      canvas_(canvas),
      document_(document),
      cursor_(new QLabel(&bar)),
      part_(new QLabel(&bar)),
      zoom_(new QLabel(&bar)) {
  cursor_->setObjectName(QStringLiteral("cursorStatus"));
  part_->setObjectName(QStringLiteral("partStatus"));
  zoom_->setObjectName(QStringLiteral("zoomStatus"));
  // Room for the longest figures, so that the labels do not jump.
  cursor_->setMinimumWidth(cursor_->fontMetrics().horizontalAdvance(tr("カーソル %1, %2").arg(888).arg(888)));
  bar.addWidget(cursor_);
  bar.addWidget(part_);
  bar.addWidget(zoom_);
  connect(&canvas, &CanvasView::statusChanged, this, &CanvasStatus::Show);
  Show();
}

void CanvasStatus::Show() {
  const std::optional<SkinPoint> at = canvas_.Cursor();
  cursor_->setText(at ? tr("カーソル %1, %2").arg(at->x).arg(at->y) : QString());
  const PlacementState& placement = document_.Placement();
  CanvasPoint position = placement.preview;
  if (canvas_.Help()) position = canvas_.Help()->position;
  if (IsPartKind(placement.currentKind) && position != kNoPosition) {
    const PartKindInfo& info = KindInfo(placement.currentKind);
    part_->setText(
        tr("位置 %1, %2　大きさ %3 × %4").arg(position.x).arg(position.y).arg(info.width).arg(info.height));
  } else {
    part_->clear();
  }
  zoom_->setText(tr("倍率 %1×").arg(canvas_.Zoom()));
}

QString CanvasStatus::Text() const {
  return QStringList{cursor_->text(), part_->text(), zoom_->text()}.join(QLatin1Char('|'));
}

}  // namespace vorlune
