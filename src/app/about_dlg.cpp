#include "about_dlg.h"

#include <QLabel>
#include <QPushButton>

#include "core/version.h"
#include "dialogs/dialog_units.h"
#include "qt_pictures.h"

namespace vorlune {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Vorluneのﾊﾞｰｼﾞｮﾝ情報"));
  setFont(DialogFont());
  setFixedSize(DialogUnitsToPixelsX(235), DialogUnitsToPixelsY(55));

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon128"));
  icon->setPixmap(ApplicationQIcon().pixmap(32, 32));
  icon->setGeometry(QRect(DialogUnitPoint(11, 17), QSize(32, 32)));

  auto* version = new QLabel(tr("Vorlune Version %1").arg(QString::fromUtf8(kVersion)), this);
  version->setObjectName(QStringLiteral("version"));
  // One line of the dialog font is a little taller than the template's 8 units.
  version->setGeometry(DialogUnitRect(40, 10, 119, 8).adjusted(0, -2, 0, 2));

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("1"));
  ok->setDefault(true);
  ok->setGeometry(DialogUnitRect(178, 7, 50, 14));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vorlune
