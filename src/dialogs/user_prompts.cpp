#include "dialogs/user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "dialogs/core_texts.h"

namespace vorlune {

namespace {

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
  QFileDialog dialog(owner, QString(), QString(), request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace

void QtUserPrompts::ShowMessage(QWidget* owner, const UserMessage& message) {
  QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                  QStringLiteral("Warning"), CoreText(message.text), QMessageBox::Ok, owner);
  box.exec();
}

std::optional<QString> QtUserPrompts::ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserPrompts::ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::AcceptSave);
}

}  // namespace vorlune
