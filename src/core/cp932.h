#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlune {

// Texts in the skin database and the project file (file names, title, author,
// version) are byte strings in the Japanese system code page, CP932
// (Shift-JIS with the Windows extensions); limits count these bytes.

// The CP932 bytes of a UTF-8 text; none when a character has no CP932 form or
// the text is not valid UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// The UTF-8 form of CP932 bytes; bytes that form no character become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// The longest prefix of a CP932 text of at most max_bytes bytes that does not
// end inside a double-byte character.
std::string_view TruncateCp932(std::string_view cp932, std::size_t max_bytes);

}  // namespace vorlune
