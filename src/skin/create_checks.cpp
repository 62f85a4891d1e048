#include "skin/create_checks.h"

#include "core/cp932.h"

namespace vorlune {

namespace {

constexpr std::size_t kMaxFileNameBytes = 30;

}  // namespace

std::optional<UserMessage> CheckPlayAndStopPlaced(const SkinLayout& layout) {
  if (layout.placed(1) && layout.placed(2)) return std::nullopt;
  return UserMessage{"再生ボタンと停止ボタンを必ず配置して下さい\n作成できませんでした",
                     MessageIcon::Information, MessageCode::PlayAndStopMissing};
}

Result<std::string> DatabaseNameFromFileName(std::string_view fileNameUtf8) {
  if (fileNameUtf8.empty()) {
    return UserMessage{"ファイル名を入力してください。\n半角30文字以内(拡張子含む)の長さでお願いします。",
                       MessageIcon::Information, MessageCode::FileNameEmpty};
  }
  std::optional<std::string> name = Utf8ToCp932(fileNameUtf8);
  if (!name) {
    return UserMessage{"ファイル名にShift_JISで表せない文字が含まれています。\n別の名前を指定してください。",
                       MessageIcon::Information, MessageCode::FileNameNotShiftJis};
  }
  if (name->size() > kMaxFileNameBytes) {
    return UserMessage{
        "ここで指定されるファイル名は、Harmoniquestのデータベース名にも使用されます。\n"
        "半角30文字以内(拡張子含む)の長さでお願いします。",
        MessageIcon::Information, MessageCode::FileNameTooLong};
  }
  return *name;
}

std::optional<UserMessage> CheckInfoTexts(const SkinLayout& layout) {
  if (layout.databaseName[0] == '\0')
    return UserMessage{"データベースタイトルを入力してください。", MessageIcon::Information,
                       MessageCode::TitleMissing};
  if (layout.databaseAuthor[0] == '\0')
    return UserMessage{"データベース作者名を入力してください。", MessageIcon::Information,
                       MessageCode::AuthorMissing};
  if (layout.databaseVersion[0] == '\0')
    return UserMessage{"データベースバージョンを入力してください。", MessageIcon::Information,
                       MessageCode::VersionMissing};
  return std::nullopt;
}

}  // namespace vorlune
