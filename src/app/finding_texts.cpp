#include "finding_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "checks/finding_text.h"
#include "checks/state_colors.h"
#include "dialogs/contrast_texts.h"
#include "dialogs/core_texts.h"
#include "part_names.h"

namespace vorlune {

namespace {

namespace code = finding_code;

QString Tr(const char* text) {
  return QCoreApplication::translate("Problems", text);
}

// "白 #FFFFFF"
QString ColorText(PickerIndex c) {
  if (c < 0 || c > 15) return {};
  return PickerColorName(c);
}

QString RoleText(ColorRole role) {
  switch (role) {
    case ColorRole::Off:
      return Tr(QT_TRANSLATE_NOOP("Problems", "オフ状態色"));
    case ColorRole::On:
      return Tr(QT_TRANSLATE_NOOP("Problems", "オン状態色"));
    case ColorRole::Max:
      return Tr(QT_TRANSLATE_NOOP("Problems", "最大状態色"));
    case ColorRole::Text:
      return Tr(QT_TRANSLATE_NOOP("Problems", "文字色"));
  }
  return {};
}

// The colour checked, with its role unless it is a display's one text colour.
QString CheckedColor(const FindingParameters& p) {
  const QString color = ColorText(p.color);
  return p.role == ColorRole::Text ? color : RoleText(p.role) + ' ' + color;
}

QString OtherParts(const Finding& f) {
  QStringList names;
  for (std::size_t i = 1; i < f.kinds.size(); ++i) names << PartKindName(f.kinds[i]);
  return names.join(Tr(QT_TRANSLATE_NOOP("Problems", "、")));
}

QString Ratio(double ratio) {
  return QString::fromStdString(RatioText(ratio));
}

// "4.5:1", "3:1", as the figures asked for are written.
QString Required(double ratio) {
  return QString::number(ratio, 'g', 3) + QStringLiteral(":1");
}

}  // namespace

QString SeverityText(Severity severity) {
  return severity == Severity::Error ? Tr(QT_TRANSLATE_NOOP("Problems", "エラー"))
                                     : Tr(QT_TRANSLATE_NOOP("Problems", "警告"));
}

QString FindingPartText(const Finding& finding) {
  return finding.kinds.empty() ? QString() : PartKindName(finding.kinds.front());
}

QString FindingText(const Finding& f) {
  const FindingParameters& p = f.parameters;
  if (f.code == code::kUnreadableFile) return CoreText(p.readerMessage.text);
  if (f.code == code::kNoBackground)
    return Tr(QT_TRANSLATE_NOOP("Problems", "背景画像がありません。背景画像がないとスキンを作成できません"));
  if (f.code == code::kPartMissing)
    return Tr(QT_TRANSLATE_NOOP("Problems", "配置されていません。作成には再生ボタンと停止ボタンが必要です"));
  if (f.code == code::kOffSkin)
    return Tr(QT_TRANSLATE_NOOP("Problems", "320 x 320 のスキンからはみ出しています"));
  if (f.code == code::kGroupTwice)
    return Tr(QT_TRANSLATE_NOOP("Problems",
                                "同じグループの %1 と一緒に配置されています。配置できるのは一つだけです"))
        .arg(OtherParts(f));
  if (f.code == code::kPartsOverlap)
    return Tr(QT_TRANSLATE_NOOP("Problems", "%1 と重なっています")).arg(OtherParts(f));
  if (f.code == code::kPartsTouch)
    return Tr(QT_TRANSLATE_NOOP("Problems", "%1 と接しています。部品の間には 1 ピクセルの隙間が必要です"))
        .arg(OtherParts(f));
  if (f.code == code::kPlacedCount)
    return Tr(QT_TRANSLATE_NOOP(
                  "Problems",
                  "ファイルの配置数は %1 ですが、配置されている部品は %2 個です。スキンを書き出せません"))
        .arg(p.storedCount)
        .arg(p.placedCount);
  if (f.code == code::kLowContrast)
    return Tr(QT_TRANSLATE_NOOP("Problems",
                                "背景とのコントラストが低い: %1 %2 (必要 %3, 背景色 %4 が面積の %5 %)"))
        .arg(CheckedColor(p), Ratio(p.ratio), Required(p.required), ColorValueText(p.background))
        .arg(std::lround(p.share * 100));
  const QString pair = Tr(QT_TRANSLATE_NOOP("Problems", "%1と%2のコントラストが低い: %3 と %4 %5 (必要 %6)"))
                           .arg(RoleText(p.role), RoleText(p.otherRole), ColorText(p.color),
                                ColorText(p.otherColor), Ratio(p.ratio), Required(p.required));
  if (f.code == code::kOnOffContrast)
    return pair + Tr(QT_TRANSLATE_NOOP("Problems", "。点灯と消灯の区別がつきません"));
  return pair;
}

}  // namespace vorlune
