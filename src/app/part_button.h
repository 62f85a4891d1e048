#pragma once

#include <QAbstractButton>
#include <QImage>

#include "layout/part_kind.h"

namespace vorlune {

// The button of one part kind: the kind's up picture, the down picture while
// pressed and the disabled picture while disabled, 42 x 35 pixels. It is
// named after its kind for tooltips and assistive tools, and shows a frame
// while it has the keyboard focus.
class PartButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit PartButton(PartKind k, QWidget* parent = nullptr);

  PartKind Kind() const { return kind_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void NameAfterKind();

  PartKind kind_;
  QImage up_;
  QImage down_;
  QImage disabled_;
};

}  // namespace vorlune
