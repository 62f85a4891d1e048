#pragma once

#include <QDialog>
#include <QImage>

#include "layout/skin_layout.h"

namespace vorlune {

// The Create preview ("イメージ表示"): the background with every
// coloured part on a grey ground. "作　成" goes on with Create, "ｷｬﾝｾﾙ" stops it.
class ImagePreviewDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ImagePreviewDialog(QWidget* parent = nullptr);

  // Renders the layout once; the dialog keeps only the picture.
  void SetPreviewLayout(const SkinLayout& layout);

  // Where the 320 x 320 picture lands in the client area, and its grey ground.
  static constexpr QPoint kPictureOrigin{20, 20};
  static constexpr QRect kGround{15, 15, 330, 330};

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage preview_;
};

}  // namespace vorlune
