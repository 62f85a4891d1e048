#pragma once

#include <QDialog>

#include "dialogs/picture_view.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The Create preview ("イメージ表示"): the background with every coloured part
// on a grey ground. "作　成" goes on with Create, "ｷｬﾝｾﾙ" stops it.
class ImagePreviewDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ImagePreviewDialog(QWidget* parent = nullptr);

  // Renders the layout once; the dialog keeps only the picture.
  void SetPreviewLayout(const SkinLayout& layout);

  // The grey ground with the 320 x 320 picture 5 pixels inside it.
  PictureView* Picture() const { return picture_; }

 private:
  PictureView* picture_;
};

}  // namespace vorlune
