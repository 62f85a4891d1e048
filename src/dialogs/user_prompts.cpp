#include "dialogs/user_prompts.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/core_texts.h"

namespace vorlune {

namespace {

QStringList RunFileDialog(QWidget* owner, const FileDialogRequest& request, QFileDialog::FileMode fileMode,
                          QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen) {
  const QString filters = request.moreFilters.isEmpty()
                              ? request.filter
                              : request.filter + QStringLiteral(";;") + request.moreFilters;
  QFileDialog dialog(owner, QString(), QString(), filters);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(fileMode);
  if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
  if (!request.selectedFilter.isEmpty()) dialog.selectNameFilter(request.selectedFilter);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

std::optional<QString> FirstOf(const QStringList& files) {
  if (files.isEmpty()) return std::nullopt;
  return files.front();
}

}  // namespace

void QtUserPrompts::ShowMessage(QWidget* owner, const UserMessage& message) {
  QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning : QMessageBox::Information,
                  QStringLiteral("Warning"), CoreText(message.text), QMessageBox::Ok, owner);
  box.exec();
}

std::optional<QString> QtUserPrompts::ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) {
  return FirstOf(RunFileDialog(owner, request, QFileDialog::ExistingFile));
}

QStringList QtUserPrompts::ChooseFilesToOpen(QWidget* owner, const FileDialogRequest& request) {
  return RunFileDialog(owner, request, QFileDialog::ExistingFiles);
}

std::optional<QString> QtUserPrompts::ChooseFolder(QWidget* owner, const QString& title) {
  const QString folder = QFileDialog::getExistingDirectory(owner, title);
  if (folder.isEmpty()) return std::nullopt;
  return folder;
}

std::optional<QString> QtUserPrompts::ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) {
  return FirstOf(RunFileDialog(owner, request, QFileDialog::AnyFile, QFileDialog::AcceptSave));
}

bool QtUserPrompts::AskYesNo(QWidget* owner, const QString& question) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Warning"), question,
                  QMessageBox::Yes | QMessageBox::No, owner);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

UnsavedChangesAnswer QtUserPrompts::AskToSaveChanges(QWidget* owner) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Vorlune"),
                  QCoreApplication::translate("UserPrompts", "変更を保存しますか?"),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
  box.button(QMessageBox::Save)->setText(QCoreApplication::translate("UserPrompts", "保存する"));
  box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("UserPrompts", "保存しない"));
  box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("UserPrompts", "キャンセル"));
  box.setDefaultButton(QMessageBox::Save);
  switch (box.exec()) {
    case QMessageBox::Save:
      return UnsavedChangesAnswer::Save;
    case QMessageBox::Discard:
      return UnsavedChangesAnswer::Discard;
    default:
      return UnsavedChangesAnswer::Cancel;
  }
}

bool QtUserPrompts::AskToRestoreRecovery(QWidget* owner, const QString& description) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Vorlune"),
                  QCoreApplication::translate(
                      "UserPrompts", "前回終了しなかった編集の内容が残っています。\n%1\n復元しますか?")
                      .arg(description),
                  QMessageBox::Yes | QMessageBox::Discard, owner);
  box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("UserPrompts", "復元する"));
  box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("UserPrompts", "破棄する"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace vorlune
