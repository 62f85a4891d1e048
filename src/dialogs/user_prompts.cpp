#include "dialogs/user_prompts.h"

#include <QMessageBox>

namespace vorlune {

void MessageBoxPrompts::ShowMessage(const UserMessage& message) {
  QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                  QStringLiteral("Warning"), QString::fromStdString(message.text), QMessageBox::Ok,
                  owner_.data());
  box.exec();
}

}  // namespace vorlune
