#pragma once

#include <QDialog>
#include <QLineEdit>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "dialogs/user_prompts.h"

namespace vorlune {

// The database information of Create ("データベース情報設定"):
// the skin's title, author and version as the handheld shows them. The texts
// are CP932 byte strings, limited in bytes: 30, 30 and 6 decimal digits.
class DatabaseInfoDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr std::size_t kNameLimit = 30;
  static constexpr std::size_t kAuthorLimit = 30;
  static constexpr std::size_t kVersionLimit = 6;

  // Messages go to prompts, or to message boxes when none is given.
  explicit DatabaseInfoDialog(UserPrompts* prompts = nullptr, QWidget* parent = nullptr);
  ~DatabaseInfoDialog() override;

  // Takes each text up to its terminator, cut to its limit at a character boundary.
  void SetInfoTexts(std::string_view name, std::string_view author, std::string_view version);
  // Writes each text with its terminator; the bytes after it keep what they held.
  void GetInfoTexts(std::span<char> name, std::span<char> author, std::span<char> version) const;

  QLineEdit* NameEdit() const { return nameEdit_; }
  QLineEdit* AuthorEdit() const { return authorEdit_; }
  QLineEdit* VersionEdit() const { return versionEdit_; }

  // Takes the edits into the texts and ends with OK, unless an edit holds a
  // character the skin cannot store.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::unique_ptr<UserPrompts> ownPrompts_;
  UserPrompts& prompts_;
  std::string name_;
  std::string author_;
  std::string version_;
  QLineEdit* nameEdit_;
  QLineEdit* authorEdit_;
  QLineEdit* versionEdit_;
};

}  // namespace vorlune
