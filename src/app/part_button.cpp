#include "part_button.h"

#include <QPainter>

#include "qt_pictures.h"

namespace vorlune {

CBitmapButton::CBitmapButton(QWidget* parent) : QAbstractButton(parent) {}

void CBitmapButton::AutoLoad(PartKind k) {
  m_up = ButtonPictureImage(k, ButtonPictureState::Up);
  m_down = ButtonPictureImage(k, ButtonPictureState::Down);
  m_disabled = ButtonPictureImage(k, ButtonPictureState::Disabled);
  setText(QStringLiteral("IDB_ITEM%1").arg(k));
  resize(sizeHint());
  update();
}

QSize CBitmapButton::sizeHint() const {
  return {kButtonPictureWidth, kButtonPictureHeight};
}

void CBitmapButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage& picture = !isEnabled() ? m_disabled : isDown() ? m_down : m_up;
  painter.drawImage(0, 0, picture);
}

}  // namespace vorlune
