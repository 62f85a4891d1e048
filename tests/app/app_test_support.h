#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "dialogs/user_prompts.h"

namespace vorlune::testing {

// A QApplication for the whole test program (offscreen platform).
void EnsureApplication();

// Answers the editor's questions from a script and records what it was shown.
class ScriptedPrompts final : public UserPrompts {
 public:
  QStringList files;  // next answers of the file dialogs; an empty name cancels
  std::vector<UserMessage> messages;
  std::vector<FileDialogRequest> requests;
  std::deque<bool> answers;  // next answers of the Yes/No questions; none left answers No
  QStringList questions;
  // Answers to "変更を保存しますか?" (Cancel when none is left) and how often it was asked.
  std::deque<UnsavedChangesAnswer> saveAnswers;
  int saveQuestions = 0;
  // Answers to the offer of a recovery copy (discard when none is left), and the offers.
  std::deque<bool> restoreAnswers;
  QStringList restoreOffers;

  void ShowMessage(QWidget* owner, const UserMessage& message) override;
  std::optional<QString> ChooseFileToOpen(QWidget* owner, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override;
  bool AskYesNo(QWidget* owner, const QString& question) override;
  UnsavedChangesAnswer AskToSaveChanges(QWidget* owner) override;
  bool AskToRestoreRecovery(QWidget* owner, const QString& description) override;
};

// Answers the modal dialogs and popup menus a command opens, in the order they
// open: each step gets the next one that appears. One that opens when no step
// is left is cancelled and counted, so a wrong path fails instead of hanging.
class ModalScript {
 public:
  using Step = std::function<void(QWidget*)>;
  ModalScript();
  ~ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  ModalScript& Then(Step step);
  std::size_t Remaining() const { return steps_.size(); }
  int Unexpected() const { return unexpected_; }
  const QStringList& Titles() const { return titles_; }  // of every dialog answered

 private:
  void Poll();
  QTimer* timer_;
  QObject* showWatcher_;  // a dialog shown again is answered again
  std::deque<Step> steps_;
  QStringList titles_;
  int unexpected_ = 0;
};

// Steps for a modal dialog: end it with OK (Enter) or Cancel (Escape).
void PressEnter(QWidget* dialog);
void PressEscape(QWidget* dialog);

}  // namespace vorlune::testing
