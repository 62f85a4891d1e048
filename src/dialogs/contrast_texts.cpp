#include "dialogs/contrast_texts.h"

#include <QCoreApplication>

#include "checks/finding_text.h"

namespace vorlune {

namespace {

constexpr std::array<const char*, 16> kColorNames{
    QT_TRANSLATE_NOOP("Dialogs", "黒"),     QT_TRANSLATE_NOOP("Dialogs", "栗色"),
    QT_TRANSLATE_NOOP("Dialogs", "緑"),     QT_TRANSLATE_NOOP("Dialogs", "オリーブ"),
    QT_TRANSLATE_NOOP("Dialogs", "紺"),     QT_TRANSLATE_NOOP("Dialogs", "紫"),
    QT_TRANSLATE_NOOP("Dialogs", "青緑"),   QT_TRANSLATE_NOOP("Dialogs", "銀"),
    QT_TRANSLATE_NOOP("Dialogs", "灰色"),   QT_TRANSLATE_NOOP("Dialogs", "赤"),
    QT_TRANSLATE_NOOP("Dialogs", "ライム"), QT_TRANSLATE_NOOP("Dialogs", "黄"),
    QT_TRANSLATE_NOOP("Dialogs", "青"),     QT_TRANSLATE_NOOP("Dialogs", "赤紫"),
    QT_TRANSLATE_NOOP("Dialogs", "水色"),   QT_TRANSLATE_NOOP("Dialogs", "白")};

QString Translated(const char* text) {
  return QCoreApplication::translate("Dialogs", text);
}

QString Ratio(double ratio) {
  return QString::fromStdString(RatioText(ratio));
}

// "4.5:1", "3:1": as the figures asked for are usually written.
QString Required(double ratio) {
  return QString::number(ratio) + QStringLiteral(":1");
}

}  // namespace

QString ColorValueText(Rgb c) {
  return QString::asprintf("#%02X%02X%02X", c.r, c.g, c.b);
}

QString PickerColorName(int index) {
  if (index < 0 || index >= 16) return QStringLiteral("–");
  const auto i = static_cast<std::size_t>(index);
  return Translated(kColorNames[i]) + ' ' + ColorValueText(kPickerColors[i]);
}

QString SwatchToolTip(int index, const std::optional<ContrastMark>& mark) {
  QString text = PickerColorName(index);
  if (!mark) return text;
  text += '\n' + Translated(QT_TRANSLATE_NOOP("Dialogs", "背景とのコントラスト %1 (必要 %2)"))
                     .arg(Ratio(mark->ratio), Required(mark->required));
  text += '\n' + Translated(QT_TRANSLATE_NOOP("Dialogs", "背景 %1 (部品の面積の %2 %)"))
                     .arg(ColorValueText(mark->background.color))
                     .arg(qRound(mark->background.share * 100));
  return text;
}

QString ContrastLineText(const std::array<ContrastMark, 16>& marks, std::span<const ContrastLineRow> rows) {
  QString text = Translated(QT_TRANSLATE_NOOP("Dialogs", "背景とのコントラスト (必要 %1):"))
                     .arg(Required(marks.front().required));
  for (const ContrastLineRow& row : rows) {
    text += '\n' + row.name + QStringLiteral(": ");
    if (row.color < 0 || row.color >= 16) {
      text += QStringLiteral("–");
      continue;
    }
    const ContrastMark& mark = marks[static_cast<std::size_t>(row.color)];
    text += Ratio(mark.ratio) + (mark.passes ? QStringLiteral(" ✔") : QStringLiteral(" ✘"));
  }
  return text;
}

}  // namespace vorlune
