#pragma once

#include <QImage>
#include <QRectF>
#include <optional>
#include <vector>

#include "dialogs/picture_view.h"
#include "image/picture_fitting.h"

namespace vorlune {

// The original's preview in the import dialog. Under cover it shows the whole
// picture with a frame around the square the crop keeps: a drag moves the
// frame, the arrow keys move it by one pixel of the result, a double-click
// centres it. Under the other fits it shows the fitted picture, with a thin
// frame around contain's bars so that a white matte can be seen.
class CropFocusView : public PictureView {
  Q_OBJECT

 public:
  explicit CropFocusView(QWidget* parent = nullptr);

  // `whole` is the original scaled into 320 x 320, `original` its own size.
  void ShowCrop(const QImage& whole, QSize original, FitFocus focus);
  void ShowFitted(const QImage& fitted, std::vector<QRect> bars);

  FitFocus Focus() const { return focus_; }
  // The frame around the kept square in the view's pixels; empty unless cropping.
  QRectF KeptFrame() const;

 signals:
  // The focus, each time a drag, a key or a double-click moves it.
  void focusChosen(vorlune::FitFocus focus);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Moves the frame as near `focus` as it can go: the focus becomes its centre.
  void MoveFocusTowards(FitFocus focus);
  void ChooseFocus(FitFocus focus);
  // Logical pixels of the view per pixel of the 320 x 320 picture it shows.
  double Unit() const;

  bool cropping_ = false;
  QSize original_;
  QPointF at_;                      // in pixels of the 320 x 320 picture shown
  double scaleX_ = 1, scaleY_ = 1;  // shown pixels per pixel of the original
  FitFocus focus_;
  std::optional<QPointF> grab_;
  FitFocus grabFocus_;
  std::vector<QRect> bars_;
};

}  // namespace vorlune
