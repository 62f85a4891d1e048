#pragma once

#include <string_view>
#include <vector>

namespace vorlune {

// The characters of a UTF-8 text. A byte that starts no well-formed character
// (a stray continuation, a cut-off, overlong or surrogate form) becomes U+FFFD,
// so any bytes give a drawable line.
struct CodePoints {
  std::vector<char32_t> chars;
  bool valid = true;  // false when a U+FFFD stands for bad bytes
};

CodePoints DecodeUtf8(std::string_view text);

}  // namespace vorlune
