#include "dialogs/skin_created_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/dialog_setup.h"

namespace vorlune {

namespace {

QLabel* NewLine(QWidget* parent, const char* text) {
  auto* label = new QLabel(DialogText(text), parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setMinimumHeight(15);
  return label;
}

}  // namespace

SkinCreatedDialog::SkinCreatedDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialogWindow(*this, QStringLiteral("Harmoniquest"), true);
  auto* column = new QVBoxLayout(this);
  column->setSizeConstraint(QLayout::SetFixedSize);
  column->setContentsMargins(26, 30, 26, 21);
  column->setSpacing(0);
  column->addWidget(NewLine(this, QT_TRANSLATE_NOOP("Dialogs", "Harmoniquest SKINデータを")));
  column->addSpacing(7);
  column->addWidget(NewLine(this, QT_TRANSLATE_NOOP("Dialogs", "作成しました")));
  column->addSpacing(30);
  QPushButton* ok = NewDialogButton(*this, QStringLiteral("OK"), QDialog::Accepted, true);
  ok->setMinimumWidth(96);
  column->addWidget(ok, 0, Qt::AlignHCenter);
  // The width the dialog has always had at the default font.
  column->addSpacerItem(new QSpacerItem(217, 0));
}

}  // namespace vorlune
