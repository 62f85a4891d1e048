#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

#include "core/user_message.h"

class QWidget;

namespace vorlune {

// The answers to "変更を保存しますか?".
enum class UnsavedChangesAnswer { Save, Discard, Cancel };

// What a file dialog asks for: the filter ("bitmap (*.bmp)"), the extension
// added to a typed name that has none, the name it offers, further filters
// and the filter it opens on.
struct FileDialogRequest {
  // A constructor rather than an aggregate, so that requests of three parts stay valid.
  FileDialogRequest(QString filterText = {}, QString extension = {}, QString name = {}, QString more = {},
                    QString selected = {})
      : filter(std::move(filterText)),
        defaultExtension(std::move(extension)),
        initialName(std::move(name)),
        moreFilters(std::move(more)),
        selectedFilter(std::move(selected)) {}

  QString filter;
  QString defaultExtension;
  QString initialName;
  QString moreFilters;     // further filters after the first, ";;" between them
  QString selectedFilter;  // one of the filters; empty: the first
};

// The editor's questions to the user: message boxes and file dialogs. The
// window and its dialogs ask through this, so that tests can put scripted
// answers in its place.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;

  // A modal "Warning" box owned by `owner`, with the message's icon and an OK button.
  virtual void ShowMessage(QWidget* owner, const UserMessage& message) = 0;

  // The chosen existing file, or nothing when the user cancels.
  virtual std::optional<QString> ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) = 0;

  // The chosen existing files, several at once; empty when the user cancels.
  virtual QStringList ChooseFilesToOpen(QWidget* owner, const FileDialogRequest& request) = 0;

  // The chosen existing folder, or nothing when the user cancels.
  virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& title) = 0;

  // The chosen file name to write, or nothing when the user cancels. An
  // existing file is written over only after the user agreed.
  virtual std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) = 0;

  // A modal "Warning" box with the question and Yes and No buttons; true for Yes.
  virtual bool AskYesNo(QWidget* owner, const QString& question) = 0;
  // Asked before unsaved work would be thrown away (close, Load).
  virtual UnsavedChangesAnswer AskToSaveChanges(QWidget* owner) = 0;

  // Offers the work of an editor that ended without closing; `description`
  // names it. True restores it, false discards it.
  virtual bool AskToRestoreRecovery(QWidget* owner, const QString& description) = 0;
};

// The real dialogs of the platform.
class QtUserPrompts final : public UserPrompts {
 public:
  void ShowMessage(QWidget* owner, const UserMessage& message) override;
  std::optional<QString> ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) override;
  QStringList ChooseFilesToOpen(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFolder(QWidget* owner, const QString& title) override;
  std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override;
  bool AskYesNo(QWidget* owner, const QString& question) override;
  UnsavedChangesAnswer AskToSaveChanges(QWidget* owner) override;
  bool AskToRestoreRecovery(QWidget* owner, const QString& description) override;
};

}  // namespace vorlune
