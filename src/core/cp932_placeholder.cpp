#include "core/cp932.h"

// ASCII-only stand-in until the code page table is in.
namespace vorlune {

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) >= 0x80) return std::nullopt;
  }
  return std::string(utf8);
}

std::string Cp932ToUtf8(std::string_view cp932) {
  return std::string(cp932);
}

std::string_view TruncateCp932(std::string_view cp932, std::size_t max_bytes) {
  return cp932.substr(0, max_bytes);
}

}  // namespace vorlune
