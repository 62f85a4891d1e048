#include "dialogs/dialog_setup.h"

#include <QCoreApplication>

#include "dialogs/dialog_font.h"

namespace vorlune {

QString DialogText(const char* text) {
  return QCoreApplication::translate("Dialogs", text);
}

void SetUpDialogWindow(QDialog& dialog, const QString& title, bool closeBox) {
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  dialog.setWindowFlags(flags);
  dialog.setWindowTitle(title);
  dialog.setFont(DialogFont());
}

QPushButton* NewDialogButton(QDialog& dialog, const QString& text, QDialog::DialogCode result,
                             bool isDefault) {
  auto* button = new QPushButton(text, &dialog);
  button->setMinimumWidth(kButtonWidth);
  button->setDefault(isDefault);
  QObject::connect(button, &QPushButton::clicked, &dialog,
                   result == QDialog::Accepted ? &QDialog::accept : &QDialog::reject);
  return button;
}

}  // namespace vorlune
