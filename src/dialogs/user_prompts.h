#pragma once

#include <QPointer>
#include <QWidget>

#include "core/user_message.h"

namespace vorlune {

// Where the editor's messages go. The window and its dialogs show them through
// this, so that tests can read and answer them instead of a real message box.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  // A modal "Warning" box with an OK button and the message's icon.
  virtual void ShowMessage(const UserMessage& message) = 0;
};

// The real thing: a message box owned by the given window.
class MessageBoxPrompts : public UserPrompts {
 public:
  explicit MessageBoxPrompts(QWidget* owner = nullptr) : owner_(owner) {}
  void ShowMessage(const UserMessage& message) override;

 private:
  QPointer<QWidget> owner_;
};

}  // namespace vorlune
