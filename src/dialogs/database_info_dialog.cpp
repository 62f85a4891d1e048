#include "dialogs/database_info_dialog.h"

#include <QCoreApplication>
#include <QShowEvent>
#include <algorithm>

#include "core/cp932.h"
#include "dialogs/cp932_text_validator.h"
#include "dialogs/dialog_units.h"
#include "dialogs/modal_dialog.h"

namespace vorlune {

namespace {

constexpr Qt::Alignment kFieldLabel = Qt::AlignRight | Qt::AlignVCenter;

QLineEdit* AddEdit(QDialog* parent, const char* name, QRect units, std::size_t maxBytes, bool digitsOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setGeometry(DialogUnitRect(units.x(), units.y(), units.width(), units.height()));
  edit->setValidator(new Cp932TextValidator(maxBytes, digitsOnly, edit));
  return edit;
}

std::string_view UpToTerminator(std::string_view text) {
  return text.substr(0, std::min(text.find('\0'), text.size()));
}

std::string Limited(std::string_view text, std::size_t limit) {
  return std::string(TruncateCp932(UpToTerminator(text), limit));
}

void CopyTerminated(const std::string& text, std::span<char> destination) {
  if (destination.empty()) return;
  const std::size_t length = std::min(text.size(), destination.size() - 1);
  std::copy_n(text.begin(), length, destination.begin());
  destination[length] = '\0';
}

QString ToEditText(const std::string& cp932) {
  return QString::fromStdString(Cp932ToUtf8(cp932));
}

}  // namespace

DatabaseInfoDialog::DatabaseInfoDialog(UserPrompts* prompts, QWidget* parent)
    : QDialog(parent),
      ownPrompts_(prompts ? nullptr : std::make_unique<QtUserPrompts>()),
      prompts_(prompts ? *prompts : *ownPrompts_) {
  SetUpDialogWindow(*this, QT_TRANSLATE_NOOP("Dialogs", "データベース情報設定"), 243, 149, true);
  nameEdit_ = AddEdit(this, "name", QRect(75, 25, 145, 15), kNameLimit, false);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "データベース名"), QRect(20, 25, 50, 15), kFieldLabel);
  authorEdit_ = AddEdit(this, "author", QRect(75, 50, 145, 15), kAuthorLimit, false);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "制作者"), QRect(20, 50, 50, 15), kFieldLabel);
  versionEdit_ = AddEdit(this, "version", QRect(75, 75, 75, 15), kVersionLimit, true);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "バージョン"), QRect(20, 75, 50, 15), kFieldLabel);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "（６桁数字）"), QRect(155, 75, 65, 15),
           Qt::AlignLeft | Qt::AlignVCenter);
  AddPushButton(this, "OK", QRect(140, 115, 50, 14), QDialog::Accepted, true);
  AddPushButton(this, QT_TRANSLATE_NOOP("Dialogs", "ｷｬﾝｾﾙ"), QRect(50, 115, 50, 14), QDialog::Rejected,
                false);
}

DatabaseInfoDialog::~DatabaseInfoDialog() = default;

void DatabaseInfoDialog::SetInfoTexts(std::string_view name, std::string_view author,
                                      std::string_view version) {
  name_ = Limited(name, kNameLimit);
  author_ = Limited(author, kAuthorLimit);
  version_ = Limited(version, kVersionLimit);
}

void DatabaseInfoDialog::GetInfoTexts(std::span<char> name, std::span<char> author,
                                      std::span<char> version) const {
  CopyTerminated(name_, name);
  CopyTerminated(author_, author);
  CopyTerminated(version_, version);
}

void DatabaseInfoDialog::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    nameEdit_->setText(ToEditText(name_));
    authorEdit_->setText(ToEditText(author_));
    versionEdit_->setText(ToEditText(version_));
  }
  QDialog::showEvent(event);
}

void DatabaseInfoDialog::accept() {
  struct Field {
    QLineEdit* edit;
    const char* label;
    std::size_t limit;
    std::string* text;
  };
  const Field fields[] = {
      {nameEdit_, QT_TRANSLATE_NOOP("Dialogs", "データベース名"), kNameLimit, &name_},
      {authorEdit_, QT_TRANSLATE_NOOP("Dialogs", "制作者"), kAuthorLimit, &author_},
      {versionEdit_, QT_TRANSLATE_NOOP("Dialogs", "バージョン"), kVersionLimit, &version_}};
  std::string taken[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const QString text = fields[i].edit->text();
    const std::optional<std::string> cp932 = Utf8ToCp932(text.toStdString());
    if (!cp932) {
      const QString character = FirstNonCp932Character(text).value_or(QString());
      prompts_.ShowMessage(this, {QCoreApplication::translate("Dialogs",
                                                              "%1に使えない文字「%2」が含まれています。\n"
                                                              "Shift-JISで表せる文字で入力してください。")
                                      .arg(DialogText(fields[i].label), character)
                                      .toStdString(),
                                  MessageIcon::Information});
      fields[i].edit->setFocus();
      return;
    }
    taken[i] = std::string(TruncateCp932(*cp932, fields[i].limit));
  }
  for (std::size_t i = 0; i < 3; ++i) *fields[i].text = std::move(taken[i]);
  QDialog::accept();
}

}  // namespace vorlune
