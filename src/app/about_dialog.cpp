#include "about_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "core/version.h"
#include "dialogs/dialog_font.h"
#include "qt_pictures.h"

namespace vorlune {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Vorluneのﾊﾞｰｼﾞｮﾝ情報"));
  setFont(DialogFont());

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setPixmap(ApplicationQIcon().pixmap(32, 32));
  icon->setContentsMargins(0, 15, 0, 0);

  auto* version = new QLabel(tr("Vorlune Version %1").arg(QString::fromUtf8(kVersion)), this);
  version->setObjectName(QStringLiteral("version"));
  version->setContentsMargins(0, 3, 0, 0);
  // The text's room and the gap before the button at the default font.
  version->setMinimumWidth(241);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("okButton"));
  ok->setDefault(true);
  ok->setMinimumSize(87, 21);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QHBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(19, 10, 13, 25);
  layout->setSpacing(0);
  layout->addWidget(icon, 0, Qt::AlignTop);
  layout->addSpacing(19);
  layout->addWidget(version, 1, Qt::AlignTop);
  layout->addWidget(ok, 0, Qt::AlignTop);
}

}  // namespace vorlune
