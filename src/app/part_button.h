#pragma once

#include <QAbstractButton>
#include <QImage>

#include "layout/part_kind.h"

namespace vorlune {

// A part button: shows its kind's up picture, the down picture while pressed and
// the disabled picture while disabled; it takes the 42 x 35 size of its pictures.
class CBitmapButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CBitmapButton(QWidget* parent = nullptr);

  // Loads the three pictures of kind k and sizes the button to them.
  void AutoLoad(PartKind k);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage m_up;
  QImage m_down;
  QImage m_disabled;
};

}  // namespace vorlune
