#include "dialogs/dialog_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>

namespace vorlune {

QFont DialogFont() {
  QFont font = QApplication::font();
  const QStringList families = QFontDatabase::families();
  for (const QString& name :
       {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"), QStringLiteral("Hiragino Sans"), QStringLiteral("Yu Gothic UI")}) {
    if (families.contains(name)) {
      font.setFamilies({name});
      break;
    }
  }
  return font;
}

}  // namespace vorlune
