#include "part_names.h"

#include <QCoreApplication>
#include <string>

namespace vorlune {

namespace {

constexpr std::string_view kPlacementSuffix = "を配置します";

// The names as lupdate must see them; PartKindName derives each from the kind
// table, so this list only feeds the translation.
[[maybe_unused]] constexpr const char* kPartKindNames[] = {
    QT_TRANSLATE_NOOP("Core", "再生ボタン"),
    QT_TRANSLATE_NOOP("Core", "停止ボタン"),
    QT_TRANSLATE_NOOP("Core", "曲頭バックボタン"),
    QT_TRANSLATE_NOOP("Core", "次曲送りボタン"),
    QT_TRANSLATE_NOOP("Core", "巻き戻しボタン"),
    QT_TRANSLATE_NOOP("Core", "早送りボタン"),
    QT_TRANSLATE_NOOP("Core", "音量大ボタン"),
    QT_TRANSLATE_NOOP("Core", "音量小ボタン"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(横バー)"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(縦バー)"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(横ドット)"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(縦ドット)"),
    QT_TRANSLATE_NOOP("Core", "グライコ(横バー)"),
    QT_TRANSLATE_NOOP("Core", "グライコ(縦バー)"),
    QT_TRANSLATE_NOOP("Core", "グライコ(横ドット)"),
    QT_TRANSLATE_NOOP("Core", "グライコ(縦ドット)"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(横バー)"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(縦バー)"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(横ドット)"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(縦ドット)"),
    QT_TRANSLATE_NOOP("Core", "時間表示(１)"),
    QT_TRANSLATE_NOOP("Core", "時間表示(２)"),
    QT_TRANSLATE_NOOP("Core", "時間表示(３)"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(１)"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(２)"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(３)"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(大)"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(中)"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(小)"),
    QT_TRANSLATE_NOOP("Core", "リプレイボタン"),
};

}  // namespace

QString PartKindName(PartKind k) {
  std::string_view text = KindInfo(k).placementText;
  if (text.ends_with(kPlacementSuffix)) text.remove_suffix(kPlacementSuffix.size());
  return QCoreApplication::translate("Core", std::string(text).c_str());
}

}  // namespace vorlune
