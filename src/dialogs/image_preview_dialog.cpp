#include "dialogs/image_preview_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_setup.h"
#include "dialogs/picker_palette.h"
#include "dialogs/qt_image.h"
#include "skin/skin_renderer.h"

namespace vorlune {

ImagePreviewDialog::ImagePreviewDialog(QWidget* parent)
    : QDialog(parent), picture_(new PictureView(QSize(330, 330), this, PixelZoom::NotBelowLogical)) {
  SetUpDialogWindow(*this, DialogText(QT_TRANSLATE_NOOP("Dialogs", "イメージ表示")), false);
  picture_->SetGround(NoColorGrey());
  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(15, 15, 24, 16);
  column->setSpacing(0);
  column->addWidget(picture_);
  column->addSpacing(15);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(0);
  buttons->addStretch();
  buttons->addWidget(
      NewDialogButton(*this, DialogText(QT_TRANSLATE_NOOP("Dialogs", "ｷｬﾝｾﾙ")), QDialog::Rejected, false));
  buttons->addSpacing(70);
  QPushButton* create =
      NewDialogButton(*this, DialogText(QT_TRANSLATE_NOOP("Dialogs", "作　成")), QDialog::Accepted, true);
  buttons->addWidget(create);
  buttons->addStretch();
  column->addLayout(buttons);
  // Enter goes on with Create until the user moves on.
  create->setFocus();
}

void ImagePreviewDialog::SetPreviewLayout(const SkinLayout& layout) {
  picture_->SetPicture(ToQImage(RenderLayoutPreview(layout)), QPoint(5, 5));
}

}  // namespace vorlune
