#include "user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vorlune {

namespace {

std::optional<QString> RunFileDialog(QWidget* owner, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(owner);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultExtension);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace

void QtUserPrompts::ShowMessage(QWidget* owner, const UserMessage& message) {
  const QMessageBox::Icon icon =
      message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information;
  QMessageBox box(icon, QStringLiteral("Warning"), QString::fromStdString(message.text), QMessageBox::Ok,
                  owner);
  box.exec();
}

std::optional<QString> QtUserPrompts::ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, false);
}

std::optional<QString> QtUserPrompts::ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, true);
}

}  // namespace vorlune
