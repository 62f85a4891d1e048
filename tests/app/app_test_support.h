#pragma once

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

// The next of `answers`, or `otherwise` when none is left.
template <typename T>
T Next(std::deque<T>& answers, T otherwise) {
  if (answers.empty()) return otherwise;
  const T answer = answers.front();
  answers.pop_front();
  return answer;
}

// Answers the editor's questions from a script and records what it was shown.
class ScriptedPrompts final : public UserPrompts {
 public:
  std::deque<QString> files;  // next answers of the file dialogs; an empty name cancels
  std::vector<UserMessage> messages;
  std::vector<FileDialogRequest> requests;
  std::deque<bool> answers;  // of the Yes/No questions, No when none is left
  QStringList questions;
  std::deque<UnsavedChangesAnswer> saveAnswers;  // Cancel when none is left
  int saveQuestions = 0;
  std::deque<bool> restoreAnswers;  // to the offers of a recovery copy, No when none is left
  QStringList restoreOffers;

  void ShowMessage(QWidget*, const UserMessage& message) override { messages.push_back(message); }
  std::optional<QString> ChooseFileToOpen(QWidget*, const FileDialogRequest& request) override;
  std::optional<QString> ChooseFileToSave(QWidget* owner, const FileDialogRequest& request) override {
    return ChooseFileToOpen(owner, request);
  }
  bool AskYesNo(QWidget*, const QString& question) override {
    questions.push_back(question);
    return Next(answers, false);
  }
  UnsavedChangesAnswer AskToSaveChanges(QWidget*) override {
    ++saveQuestions;
    return Next(saveAnswers, UnsavedChangesAnswer::Cancel);
  }
  bool AskToRestoreRecovery(QWidget*, const QString& description) override {
    restoreOffers.push_back(description);
    return Next(restoreAnswers, false);
  }
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

  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    return *this;
  }
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
