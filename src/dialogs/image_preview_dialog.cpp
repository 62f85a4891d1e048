#include "dialogs/image_preview_dialog.h"

#include <QPainter>

#include "dialogs/modal_dialog.h"
#include "dialogs/picker_palette.h"
#include "dialogs/qt_image.h"
#include "skin/skin_renderer.h"

namespace vorlune {

CImagePreviewDlg::CImagePreviewDlg(QWidget* parent) : QDialog(parent) {
  SetUpTemplateWindow(*this, QT_TRANSLATE_NOOP("Dialogs", "イメージ表示"), 211, 265, false);
  AddPushButton(this, QT_TRANSLATE_NOOP("Dialogs", "作　成"), QRect(125, 240, 50, 14), kIdOk, true);
  AddPushButton(this, QT_TRANSLATE_NOOP("Dialogs", "ｷｬﾝｾﾙ"), QRect(35, 240, 50, 14), kIdCancel, false);
}

void CImagePreviewDlg::SetPreviewLayout(const SkinLayout& layout) {
  preview_ = ToQImage(RenderLayoutPreview(layout));
  update();
}

int CImagePreviewDlg::DoModal() {
  return RunModal(*this);
}

void CImagePreviewDlg::paintEvent(QPaintEvent* event) {
  (void)event;
  QPainter painter(this);
  painter.fillRect(kGround, ToQColor(kNoColorPaletteRGB));
  if (!preview_.isNull()) painter.drawImage(kPictureOrigin, preview_);
}

}  // namespace vorlune
