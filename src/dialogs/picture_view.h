#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace vorlune {

// A picture at 1:1 in a place of fixed size, on a ground of its own colour
// when it has one.
class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(QSize size, QWidget* parent = nullptr);

  void SetPicture(const QImage& picture, QPoint at = {});
  void SetGround(const QColor& ground) { ground_ = ground; }

  QSize sizeHint() const override { return size_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSize size_;
  QColor ground_;
  QImage picture_;
  QPoint at_;
};

}  // namespace vorlune
