#include "dialogs/database_info_dialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <algorithm>

#include "core/cp932.h"
#include "dialogs/cp932_text_validator.h"
#include "dialogs/dialog_setup.h"

namespace vorlune {

namespace {

constexpr const char* kNameLabel = QT_TRANSLATE_NOOP("Dialogs", "データベース名");
constexpr const char* kAuthorLabel = QT_TRANSLATE_NOOP("Dialogs", "制作者");
constexpr const char* kVersionLabel = QT_TRANSLATE_NOOP("Dialogs", "バージョン");

QLineEdit* NewEdit(QDialog* parent, const char* name, std::size_t maxBytes, bool digitsOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
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
      prompts_(prompts ? *prompts : *ownPrompts_),
      nameEdit_(NewEdit(this, "name", kNameLimit, false)),
      authorEdit_(NewEdit(this, "author", kAuthorLimit, false)),
      versionEdit_(NewEdit(this, "version", kVersionLimit, true)) {
  SetUpDialogWindow(*this, DialogText(QT_TRANSLATE_NOOP("Dialogs", "データベース情報設定")), true);
  auto* grid = new QGridLayout(this);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  grid->setContentsMargins(35, 37, 41, 30);
  grid->setHorizontalSpacing(9);
  grid->setVerticalSpacing(0);
  const struct {
    QLineEdit* edit;
    const char* label;
    int columns;
  } fields[] = {{nameEdit_, kNameLabel, 2}, {authorEdit_, kAuthorLabel, 2}, {versionEdit_, kVersionLabel, 1}};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(DialogText(fields[i].label), this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(fields[i].edit);
    fields[i].edit->setAccessibleName(label->text());
    grid->addWidget(label, 2 * i, 0);
    grid->addWidget(fields[i].edit, 2 * i, 1, 1, fields[i].columns);
  }
  grid->addWidget(new QLabel(DialogText(QT_TRANSLATE_NOOP("Dialogs", "（６桁数字）")), this), 4, 2);
  // The distances and widths the dialog has always had at the default font.
  grid->setRowMinimumHeight(1, 16);
  grid->setRowMinimumHeight(3, 15);
  grid->setRowMinimumHeight(5, 38);
  grid->setColumnMinimumWidth(0, 87);
  grid->setColumnMinimumWidth(1, 131);
  grid->setColumnMinimumWidth(2, 113);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(0);
  buttons->addStretch();
  buttons->addWidget(
      NewDialogButton(*this, DialogText(QT_TRANSLATE_NOOP("Dialogs", "ｷｬﾝｾﾙ")), QDialog::Rejected, false));
  buttons->addSpacing(71);
  buttons->addWidget(NewDialogButton(*this, QStringLiteral("OK"), QDialog::Accepted, true));
  buttons->addStretch();
  grid->addLayout(buttons, 6, 0, 1, 3);
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
  const Field fields[] = {{nameEdit_, kNameLabel, kNameLimit, &name_},
                          {authorEdit_, kAuthorLabel, kAuthorLimit, &author_},
                          {versionEdit_, kVersionLabel, kVersionLimit, &version_}};
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
