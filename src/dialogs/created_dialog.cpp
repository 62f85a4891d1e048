#include "dialogs/created_dialog.h"

#include "dialogs/modal_dialog.h"

namespace vorlune {

CCreatedDlg::CCreatedDlg(QWidget* parent) : QDialog(parent) {
  SetUpTemplateWindow(*this, "Harmoniquest", 154, 93, true);
  AddStaticText(this, QT_TRANSLATE_NOOP("Dialogs", "Harmoniquest SKINデータを"), QRect(15, 20, 120, 10),
                Qt::AlignHCenter | Qt::AlignTop);
  AddStaticText(this, QT_TRANSLATE_NOOP("Dialogs", "作成しました"), QRect(15, 35, 120, 10),
                Qt::AlignHCenter | Qt::AlignTop);
  AddPushButton(this, "OK", QRect(50, 65, 55, 14), kIdOk, true);
}

int CCreatedDlg::DoModal() {
  return RunModal(*this);
}

}  // namespace vorlune
