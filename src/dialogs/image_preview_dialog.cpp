#include "dialogs/image_preview_dialog.h"

#include <QPainter>

#include "dialogs/modal_dialog.h"
#include "dialogs/picker_palette.h"
#include "dialogs/qt_image.h"
#include "skin/skin_renderer.h"

namespace vorlune {

ImagePreviewDialog::ImagePreviewDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialogWindow(*this, QT_TRANSLATE_NOOP("Dialogs", "イメージ表示"), 211, 265, false);
  AddPushButton(this, QT_TRANSLATE_NOOP("Dialogs", "作　成"), QRect(125, 240, 50, 14), QDialog::Accepted,
                true);
  AddPushButton(this, QT_TRANSLATE_NOOP("Dialogs", "ｷｬﾝｾﾙ"), QRect(35, 240, 50, 14), QDialog::Rejected,
                false);
}

void ImagePreviewDialog::SetPreviewLayout(const SkinLayout& layout) {
  preview_ = ToQImage(RenderLayoutPreview(layout));
  update();
}

void ImagePreviewDialog::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  painter.fillRect(kGround, NoColorGrey());
  if (!preview_.isNull()) painter.drawImage(kPictureOrigin, preview_);
}

}  // namespace vorlune
