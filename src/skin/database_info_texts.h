#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/user_message.h"
#include "layout/skin_layout.h"

namespace vorlune {

// The database information dialog's handling of the three texts, shared by the
// dialog and the command-line build.

inline constexpr std::size_t kMaxTitleBytes = 30;
inline constexpr std::size_t kMaxAuthorBytes = 30;
inline constexpr std::size_t kMaxVersionDigits = 6;

// The three texts as the dialog's edits show them: each field's text up to its
// terminator, cut to the edit's limit at a whole CP932 character.
struct InfoTexts {
  std::string title;
  std::string author;
  std::string version;
};
InfoTexts InfoTextsOf(const SkinLayout& layout);

// Puts the texts back as the dialog's OK does: each becomes a terminated text
// at the start of its field; the bytes after the terminator keep what they held.
void StoreInfoTexts(SkinLayout& layout, const InfoTexts& texts);

// Checks a text typed into an edit (UTF-8) and gives its CP932 bytes, or why the
// edit would not take it: title and author at most 30 bytes, the version at
// most six decimal digits.
struct TypedText {
  std::optional<std::string> cp932;
  std::optional<UserMessage> refusal;
};
TypedText TypedTitle(std::string_view utf8);
TypedText TypedAuthor(std::string_view utf8);
TypedText TypedVersion(std::string_view utf8);

}  // namespace vorlune
