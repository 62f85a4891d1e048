#include "dialogs/skin_created_dialog.h"

#include "dialogs/modal_dialog.h"

namespace vorlune {

SkinCreatedDialog::SkinCreatedDialog(QWidget* parent) : QDialog(parent) {
  SetUpDialogWindow(*this, "Harmoniquest", 154, 93, true);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "Harmoniquest SKINデータを"), QRect(15, 20, 120, 10),
           Qt::AlignHCenter | Qt::AlignTop);
  AddLabel(this, QT_TRANSLATE_NOOP("Dialogs", "作成しました"), QRect(15, 35, 120, 10),
           Qt::AlignHCenter | Qt::AlignTop);
  AddPushButton(this, "OK", QRect(50, 65, 55, 14), QDialog::Accepted, true);
}

}  // namespace vorlune
