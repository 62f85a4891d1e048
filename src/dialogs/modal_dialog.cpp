#include "dialogs/modal_dialog.h"

#include <QCoreApplication>
#include <algorithm>

#include "dialogs/dialog_units.h"

namespace vorlune {

QString DialogText(const char* text) {
  return QCoreApplication::translate("Dialogs", text);
}

void SetUpDialogWindow(QDialog& dialog, const char* title, int widthUnits, int heightUnits, bool closeBox) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  dialog.setWindowFlags(flags);
  dialog.setWindowTitle(DialogText(title));
  dialog.setFont(DialogFont());
  dialog.setFixedSize(DialogUnitsToPixelsX(widthUnits), DialogUnitsToPixelsY(heightUnits));
}

QLabel* AddLabel(QWidget* parent, const char* text, QRect units, Qt::Alignment align) {
  auto* label = new QLabel(DialogText(text), parent);
  label->setAlignment(align);
  QRect rect = DialogUnitRect(units.x(), units.y(), units.width(), units.height());
  const int needed = label->sizeHint().width();
  if (needed > rect.width()) {
    const int extra = needed - rect.width();
    if (align & Qt::AlignRight) {
      rect.setLeft(rect.left() - extra);
    } else if (align & Qt::AlignHCenter) {
      rect.adjust(-(extra + 1) / 2, 0, extra / 2, 0);
    } else {
      rect.setRight(rect.right() + extra);
    }
  }
  rect.setHeight(std::max(rect.height(), label->sizeHint().height()));
  label->setGeometry(rect);
  return label;
}

QPushButton* AddPushButton(QDialog* parent, const char* text, QRect units, QDialog::DialogCode result,
                           bool isDefault) {
  auto* button = new QPushButton(DialogText(text), parent);
  button->setGeometry(DialogUnitRect(units.x(), units.y(), units.width(), units.height()));
  button->setDefault(isDefault);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, parent,
                   result == QDialog::Accepted ? &QDialog::accept : &QDialog::reject);
  return button;
}

}  // namespace vorlune
