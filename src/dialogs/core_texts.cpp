#include "dialogs/core_texts.h"

#include <QCoreApplication>

namespace vorlune {

namespace {

// Every Japanese text of the core that the editor shows, so that lupdate puts
// them in the translation; the core itself stays free of Qt. The core's
// English messages ("Error : ...") are shown as they are.
[[maybe_unused]] constexpr const char* kCoreTexts[] = {
    QT_TRANSLATE_NOOP("Core", "再生ボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "停止ボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "曲頭バックボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "次曲送りボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "巻き戻しボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "早送りボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "音量大ボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "音量小ボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(横バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(縦バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(横ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "ボリュームレベル(縦ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "グライコ(横バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "グライコ(縦バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "グライコ(横ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "グライコ(縦ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(横バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(縦バー)を配置します"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(横ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "レベルメータ(縦ドット)を配置します"),
    QT_TRANSLATE_NOOP("Core", "時間表示(１)を配置します"),
    QT_TRANSLATE_NOOP("Core", "時間表示(２)を配置します"),
    QT_TRANSLATE_NOOP("Core", "時間表示(３)を配置します"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(１)を配置します"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(２)を配置します"),
    QT_TRANSLATE_NOOP("Core", "トラック表示(３)を配置します"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(大)を配置します"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(中)を配置します"),
    QT_TRANSLATE_NOOP("Core", "タイトル表示(小)を配置します"),
    QT_TRANSLATE_NOOP("Core", "リプレイボタンを配置します"),
    QT_TRANSLATE_NOOP("Core", "他の部品と重なっているため配置できません"),
    QT_TRANSLATE_NOOP("Core", "背景画像を読み込んでから保存して下さい\n保存できませんでした"),
    QT_TRANSLATE_NOOP("Core", "再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした"),
    QT_TRANSLATE_NOOP("Core",
                      "ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。"),
    QT_TRANSLATE_NOOP("Core",
                      "ファイル名にShift_JISで表せない文字が含まれています。\n別の名前を指定してください。"),
    QT_TRANSLATE_NOOP("Core",
                      "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n半角30文"
                      "字以内(拡張子含む)の長さでお願いします。"),
    QT_TRANSLATE_NOOP("Core", "データベースタイトルを入力してください。"),
    QT_TRANSLATE_NOOP("Core", "データベース作者名を入力してください。"),
    QT_TRANSLATE_NOOP("Core", "データベースバージョンを入力してください。"),
};

}  // namespace

QString CoreText(std::string_view text) {
  const std::string source(text);
  return QCoreApplication::translate("Core", source.c_str());
}

}  // namespace vorlune
