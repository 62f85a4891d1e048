#include "skin/database_info_texts.h"

#include <algorithm>
#include <cstring>

#include "core/cp932.h"

namespace vorlune {

namespace {

std::string FieldText(std::span<const char> field, std::size_t limit) {
  const auto end = std::find(field.begin(), field.end(), '\0');
  const std::string whole(field.begin(), end);
  return std::string(TruncateCp932(whole, limit));
}

void StoreText(std::span<char> field, std::string_view text) {
  const std::size_t n = std::min(text.size(), field.size() - 1);
  std::memcpy(field.data(), text.data(), n);
  field[n] = '\0';
}

TypedText TypedWithLimit(std::string_view utf8, std::size_t limit, const char* what, const char* field) {
  std::optional<std::string> cp932 = Utf8ToCp932(utf8);
  if (!cp932) {
    return {std::nullopt,
            UserMessage{std::string("Error : ") + what + " has characters Shift_JIS cannot hold.",
                        MessageIcon::Information,
                        MessageCode::TextNotShiftJis,
                        {field}}};
  }
  if (cp932->size() > limit) {
    return {std::nullopt,
            UserMessage{std::string("Error : ") + what + " is longer than 30 bytes in Shift_JIS.",
                        MessageIcon::Information,
                        MessageCode::TextTooLong,
                        {field}}};
  }
  return {std::move(cp932), std::nullopt};
}

}  // namespace

InfoTexts InfoTextsOf(const SkinLayout& layout) {
  return {FieldText(layout.databaseName, kMaxTitleBytes), FieldText(layout.databaseAuthor, kMaxAuthorBytes),
          FieldText(layout.databaseVersion, kMaxVersionDigits)};
}

void StoreInfoTexts(SkinLayout& layout, const InfoTexts& texts) {
  StoreText(layout.databaseName, texts.title);
  StoreText(layout.databaseAuthor, texts.author);
  StoreText(layout.databaseVersion, texts.version);
}

TypedText TypedTitle(std::string_view utf8) {
  return TypedWithLimit(utf8, kMaxTitleBytes, "The database name", "title");
}

TypedText TypedAuthor(std::string_view utf8) {
  return TypedWithLimit(utf8, kMaxAuthorBytes, "The author", "author");
}

TypedText TypedVersion(std::string_view utf8) {
  const bool digits = std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!digits || utf8.size() > kMaxVersionDigits) {
    return {std::nullopt, UserMessage{"Error : The version takes at most six decimal digits.",
                                      MessageIcon::Information, MessageCode::VersionNotDigits}};
  }
  return {std::string(utf8), std::nullopt};
}

}  // namespace vorlune
