#include "dialogs/dialog_units.h"

#include <QFontDatabase>
#include <QStringList>

namespace vorlune {

QFont DialogFont() {
  const QStringList families = QFontDatabase::families();
  for (const QString& name :
       {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
        QStringLiteral("IPAexGothic"), QStringLiteral("Hiragino Sans"), QStringLiteral("Yu Gothic UI")}) {
    if (families.contains(name)) {
      QFont font(name);
      font.setPointSize(9);
      return font;
    }
  }
  QFont font;
  font.setPointSize(9);
  return font;
}

}  // namespace vorlune
